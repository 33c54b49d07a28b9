// Packets, packet handlers and the single-value filler, without a host. Dispatching to the host
// is tested against the test host.

#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CPacketDispatcher.h"
#include "AAX_CParameter.h"
#include "tests/aax/support/FakeEffectObjects.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    /** Hands out one parameter by its ID, as the effect-parameters object does. */
    struct ParameterOwner : FakeEffectParameters
    {
        AAX_Result GetParameter (AAX_CParamID id, AAX_IParameter** out) override
        {
            *out = parameter != nullptr && std::strcmp (id, parameter->Identifier()) == 0 ? parameter.get() : nullptr;
            return *out != nullptr ? AAX_SUCCESS : AAX_ERROR_INVALID_PARAMETER_ID;
        }

        std::unique_ptr<AAX_IParameter> parameter;
    };

    template <typename T>
    std::unique_ptr<AAX_IParameter> makeParameter (T minimum, T maximum, T value)
    {
        return std::make_unique<AAX_CParameter<T>> ("MasterBypassID", AAX_CString ("Master Bypass"), value,
                                                    AAX_CLinearTaperDelegate<T, 0> (minimum, maximum),
                                                    AAX_CNumberDisplayDelegate<T, 3>(), true);
    }

    std::vector<unsigned char> bytesOf (const AAX_CPacket& packet)
    {
        const auto* data = static_cast<const unsigned char*> (packet.GetData());
        return { data, data + packet.GetSize() };
    }

    template <typename T>
    std::vector<unsigned char> machineBytes (T value)
    {
        std::vector<unsigned char> bytes (sizeof (T));
        std::memcpy (bytes.data(), &value, sizeof (T));
        return bytes;
    }

    /** Records which of its members a handler reached. */
    struct Worker
    {
        AAX_Result fill (AAX_CPacket& packet)
        {
            calls.push_back ("fill");
            *packet.GetPtr<int32_t>() = 7;
            return AAX_SUCCESS;
        }

        AAX_Result fillWithID (AAX_CParamID id, AAX_CPacket&)
        {
            calls.push_back (std::string ("fill ") + id);
            return -20600;
        }

        std::vector<std::string> calls;
    };
} // namespace

TEST (Packet, NewPacketIsDirtyAndEmptyOverEightZeroBytes)
{
    AAX_CPacket packet (3);

    EXPECT_EQ (packet.GetID(), 3);
    EXPECT_TRUE (packet.IsDirty());
    EXPECT_EQ (packet.GetSize(), 0u);

    const auto* data = static_cast<const unsigned char*> (packet.GetData());
    EXPECT_EQ (std::vector<unsigned char> (data, data + 8), std::vector<unsigned char> (8, 0));

    *packet.GetPtr<float>() = 1.0f;
    EXPECT_EQ (packet.GetSize(), 4u);
    EXPECT_EQ (bytesOf (packet), machineBytes (1.0f));

    *packet.GetPtr<double>() = 0.5;
    EXPECT_EQ (packet.GetSize(), 8u);
    EXPECT_EQ (bytesOf (packet), machineBytes (0.5));

    packet.SetDirty (false);
    EXPECT_FALSE (packet.IsDirty());
}

TEST (PacketHandler, CallsTheMemberItWasMadeWith)
{
    Worker worker;
    AAX_CPacket packet (0);

    const AAX_CPacketHandler<Worker> plain (&worker, &Worker::fill);
    const AAX_CPacketHandler<Worker> withID (&worker, &Worker::fillWithID);
    const AAX_CPacketHandler<Worker> empty (&worker, static_cast<AAX_CPacketHandler<Worker>::ProcPtr> (nullptr));
    const std::unique_ptr<AAX_IPacketHandler> clone (withID.Clone());

    EXPECT_EQ (plain.Call ("Width", packet), AAX_SUCCESS);
    EXPECT_EQ (withID.Call ("Width", packet), -20600) << "the handler's result comes back unchanged";
    EXPECT_EQ (clone->Call ("Balance", packet), -20600);
    EXPECT_EQ (empty.Call ("Width", packet), AAX_ERROR_NULL_OBJECT);

    EXPECT_EQ (worker.calls, (std::vector<std::string> { "fill", "fill Width", "fill Balance" }));
    EXPECT_EQ (bytesOf (packet), machineBytes (int32_t { 7 }));
}

TEST (PacketDispatcher, SingleValuePacketCarriesTheParameterValueInMachineOrder)
{
    struct Case
    {
        const char* name;
        std::unique_ptr<AAX_IParameter> parameter;
        std::vector<unsigned char> bytes;
    };

    std::vector<Case> cases;
    cases.push_back ({ "float, as the master bypass is: 4 bytes", makeParameter (0.0f, 1.0f, 1.0f), machineBytes (1.0f) });
    cases.push_back ({ "int32: 4 bytes", makeParameter<int32_t> (0, 10, 7), machineBytes (int32_t { 7 }) });
    cases.push_back ({ "double: 8 bytes", makeParameter (0.0, 1.0, 0.25), machineBytes (0.25) });

    for (auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        ParameterOwner owner;
        owner.parameter = std::move (c.parameter);
        AAX_CPacketDispatcher dispatcher;
        dispatcher.Initialize (nullptr, &owner);
        AAX_CPacket packet (3);

        EXPECT_EQ (dispatcher.GenerateSingleValuePacket ("MasterBypassID", packet), AAX_SUCCESS);
        EXPECT_EQ (bytesOf (packet), c.bytes);
    }
}

TEST (PacketDispatcher, SingleValuePacketWithoutAParameterLeavesThePacketAlone)
{
    ParameterOwner owner;
    owner.parameter = makeParameter (0.0f, 1.0f, 1.0f);
    FakeEffectParameters ownerWithoutParameters;

    struct Case
    {
        const char* name;
        AAX_IEffectParameters* owner;
        const char* id;
    };

    for (const Case c : { Case { "absent ID", &owner, "Width" }, Case { "owner refuses", &ownerWithoutParameters, "MasterBypassID" },
                          Case { "no owner", nullptr, "MasterBypassID" } })
    {
        SCOPED_TRACE (c.name);
        AAX_CPacketDispatcher dispatcher;
        dispatcher.Initialize (nullptr, c.owner);
        AAX_CPacket packet (3);

        EXPECT_EQ (dispatcher.GenerateSingleValuePacket (c.id, packet), AAX_ERROR_NULL_OBJECT);
        EXPECT_EQ (packet.GetSize(), 0u);
    }
}

TEST (PacketDispatcher, RefusesNullIDsAndNegativeFields)
{
    AAX_CPacketDispatcher dispatcher;
    Worker worker;
    const AAX_CPacketHandler<Worker> handler (&worker, &Worker::fill);

    EXPECT_EQ (dispatcher.RegisterPacket (nullptr, 3), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (dispatcher.RegisterPacket ("Width", -1, &handler), AAX_ERROR_INVALID_FIELD_INDEX);
    EXPECT_EQ (dispatcher.RegisterPacket ("Width", -1), AAX_ERROR_INVALID_FIELD_INDEX);
    EXPECT_EQ (dispatcher.SetDirty (nullptr), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (dispatcher.SetDirty ("never registered"), AAX_SUCCESS);
    EXPECT_EQ (dispatcher.Dispatch(), AAX_ERROR_NULL_OBJECT) << "nothing to post to without a controller";
    EXPECT_TRUE (worker.calls.empty());
}
} // namespace quindle::test::aax
