// Coefficient packets from the host's updates to the host's controller, against the test host.

#include "tests/aax/support/TestEffect.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    /** A posted packet: its field and its bytes. */
    using Posted = std::pair<AAX_CFieldIndex, std::vector<uint8_t>>;

    std::vector<Posted> posted (const aaxhost::Controller& controller)
    {
        std::vector<Posted> packets;
        for (const auto& packet : controller.packets())
            packets.emplace_back (packet.field, packet.payload);
        return packets;
    }

    std::vector<uint8_t> bytesOf (float value)
    {
        std::vector<uint8_t> bytes (sizeof (value));
        std::memcpy (bytes.data(), &value, sizeof (value));
        return bytes;
    }

    std::vector<AAX_CFieldIndex> fieldsOf (const aaxhost::Controller& controller)
    {
        std::vector<AAX_CFieldIndex> fields;
        for (const auto& packet : controller.packets())
            fields.push_back (packet.field);
        return fields;
    }

    /** Fills a packet with one byte that says which handler ran, or fails. */
    struct Filler
    {
        AAX_Result fill (AAX_CParamID, AAX_CPacket& packet)
        {
            ++calls;
            if (dirtyAgainFrom != nullptr)
                dirtyAgainFrom->SetDirty ("Width");   // re-enters the dispatcher under its own lock
            *packet.GetPtr<uint8_t>() = mark;
            return result;
        }

        uint8_t mark = 0;
        AAX_Result result = AAX_SUCCESS;
        int calls = 0;
        AAX_CPacketDispatcher* dirtyAgainFrom = nullptr;
    };
} // namespace

TEST (PacketDispatch, MasterBypassPacketCarriesItsFloatValueOnFieldThree)
{
    EffectSession session;
    auto& effect = *session.effect;
    auto& controller = session.instance.controller();

    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (posted (controller), (std::vector<Posted> { { 3, bytesOf (0.0f) } })) << "a new packet is dirty";

    controller.clearRecords();
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_TRUE (controller.packets().empty()) << "nothing changed, nothing posted";

    effect.UpdateParameterNormalizedValue ("Width", 0.25, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_TRUE (controller.packets().empty()) << "Width has no packet";

    effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (posted (controller), (std::vector<Posted> { { 3, bytesOf (1.0f) } }));

    controller.clearRecords();
    effect.UpdateParameterNormalizedValue (cDefaultMasterBypassID, 1.0, AAX_eUpdateSource_Parameter);
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (controller.packets().size(), 1u) << "an update with the same value still marks the packet";
}

TEST (PacketDispatch, IDsSharingAFieldShareOnePacketAndOneIDCanFeedSeveral)
{
    EffectSession session;
    auto& effect = *session.effect;
    auto& dispatcher = effect.dispatcher();
    auto& controller = session.instance.controller();
    Filler filler;
    const AAX_CPacketHandler<Filler> handler (&filler, &Filler::fill);

    ASSERT_EQ (dispatcher.RegisterPacket ("Balance", 5, &handler), AAX_SUCCESS);
    ASSERT_EQ (dispatcher.RegisterPacket ("Width", 5, &handler), AAX_SUCCESS);
    ASSERT_EQ (dispatcher.RegisterPacket ("Output Gain", 6, &handler), AAX_SUCCESS);
    ASSERT_EQ (dispatcher.RegisterPacket ("Output Gain", 7, &handler), AAX_SUCCESS);
    effect.GenerateCoefficients();
    EXPECT_EQ (fieldsOf (controller), (std::vector<AAX_CFieldIndex> { 5, 3, 6, 7 }))
        << "every packet once, by the first of its IDs in byte order: Balance, MasterBypassID, Output Gain";

    struct Case
    {
        const char* changed;
        std::vector<AAX_CFieldIndex> posted;
    };

    for (const Case& c : { Case { "Width", { 5 } }, Case { "Balance", { 5 } }, Case { "Output Gain", { 6, 7 } } })
    {
        SCOPED_TRACE (c.changed);
        controller.clearRecords();
        effect.UpdateParameterNormalizedValue (c.changed, 0.75, AAX_eUpdateSource_Parameter);
        effect.GenerateCoefficients();
        EXPECT_EQ (fieldsOf (controller), c.posted);
    }
}

TEST (PacketDispatch, FailingHandlerLeavesThePacketCleanAndUnposted)
{
    EffectSession session;
    auto& effect = *session.effect;
    auto& controller = session.instance.controller();
    Filler failing;
    failing.result = -20600;
    const AAX_CPacketHandler<Filler> handler (&failing, &Filler::fill);
    effect.GenerateCoefficients();
    controller.clearRecords();

    ASSERT_EQ (effect.dispatcher().RegisterPacket ("Width", 4, &handler), AAX_SUCCESS);
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS) << "a failing handler is not reported";
    EXPECT_EQ (effect.GenerateCoefficients(), AAX_SUCCESS);
    EXPECT_EQ (failing.calls, 1) << "not retried until the parameter changes";
    EXPECT_TRUE (controller.packets().empty());
}

TEST (PacketDispatch, HostsPostResultIsReturned)
{
    EffectSession session;
    session.instance.controller().setResult ("PostPacket", AAX_ERROR_POST_PACKET_FAILED);

    EXPECT_EQ (session.effect->GenerateCoefficients(), AAX_ERROR_POST_PACKET_FAILED);
    EXPECT_EQ (session.effect->GenerateCoefficients(), AAX_SUCCESS) << "the failed post is not retried";
}

TEST (PacketDispatch, HandlerMayReenterTheDispatcherOnItsOwnThread)
{
    EffectSession session;
    auto& dispatcher = session.effect->dispatcher();
    Filler filler;
    filler.dirtyAgainFrom = &dispatcher;
    const AAX_CPacketHandler<Filler> handler (&filler, &Filler::fill);
    ASSERT_EQ (dispatcher.RegisterPacket ("Width", 4, &handler), AAX_SUCCESS);

    EXPECT_EQ (session.effect->GenerateCoefficients(), AAX_SUCCESS);   // would deadlock on a plain mutex
    EXPECT_EQ (filler.calls, 1);
}

TEST (PacketDispatch, FrameworkRegistrationWithoutAHandlerUsesTheSingleValueFiller)
{
    EffectSession session;
    auto& effect = *session.effect;
    auto& controller = session.instance.controller();
    effect.GenerateCoefficients();
    controller.clearRecords();

    EXPECT_EQ (effect.dispatcher().RegisterPacket ("Width", 8, nullptr), AAX_SUCCESS);
    EXPECT_EQ (effect.dispatcher().RegisterPacket (nullptr, 9), AAX_ERROR_NULL_ARGUMENT);
    EXPECT_EQ (effect.dispatcher().RegisterPacket ("Balance", -3), AAX_ERROR_INVALID_FIELD_INDEX);
    effect.GenerateCoefficients();

    EXPECT_EQ (posted (controller), (std::vector<Posted> { { 8, bytesOf (0.5f) } })) << "the refused registrations made nothing";
}
} // namespace quindle::test::aax
