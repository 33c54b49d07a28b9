#include "AAX_CLinearTaperDelegate.h"
#include "AAX_CNumberDisplayDelegate.h"
#include "AAX_CParameter.h"
#include "AAX_CParameterManager.h"
#include "tests/aax/support/RecordingAutomationDelegate.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace quindle::test::aax
{
namespace
{
    AAX_CParameter<float>* newParameter (const char* id)
    {
        return new AAX_CParameter<float> (id, AAX_CString (id), 0.0f, AAX_CLinearTaperDelegate<float, 0>(),
                                          AAX_CNumberDisplayDelegate<float, 3>(), true);
    }
} // namespace

TEST (ParameterManager, FindsParametersByIDAndByInsertionIndex)
{
    AAX_CParameterManager manager;
    const char* ids[] = { "Width", "Balance", "Output Gain" };

    for (const char* id : ids)
        manager.AddParameter (newParameter (id));

    ASSERT_EQ (manager.NumParameters(), 3);

    for (int32_t index = 0; index < 3; ++index)
    {
        SCOPED_TRACE (ids[index]);
        ASSERT_NE (manager.GetParameter (index), nullptr);
        EXPECT_STREQ (manager.GetParameter (index)->Identifier(), ids[index]);
        EXPECT_EQ (manager.GetParameterByID (ids[index]), manager.GetParameter (index));
    }

    const AAX_CParameterManager& readOnly = manager;
    EXPECT_EQ (readOnly.GetParameterByID ("Balance"), manager.GetParameter (1));

    for (const char* absent : { "width", "Width ", "", "Mono" })
    {
        SCOPED_TRACE (absent);
        EXPECT_EQ (manager.GetParameterByID (absent), nullptr) << "lookups are exact";
    }

    EXPECT_EQ (manager.GetParameterByID (nullptr), nullptr);
    EXPECT_EQ (manager.GetParameter (-1), nullptr);
    EXPECT_EQ (manager.GetParameter (3), nullptr);
}

TEST (ParameterManager, IgnoresNullAndDuplicateParametersWhichStayWithTheCaller)
{
    RecordingAutomationDelegate delegate;
    AAX_CParameterManager manager;
    manager.Initialize (&delegate);

    manager.AddParameter (nullptr);
    manager.AddParameter (newParameter ("Width"));
    const std::unique_ptr<AAX_IParameter> duplicate (newParameter ("Width"));
    manager.AddParameter (duplicate.get());

    EXPECT_EQ (manager.NumParameters(), 1);
    EXPECT_NE (manager.GetParameterByID ("Width"), duplicate.get());
    EXPECT_EQ (delegate.log, (std::vector<std::string> { "register Width" })) << "the duplicate never registers";
}

TEST (ParameterManager, AddedParametersRegisterAndRemovedOnesUnregister)
{
    RecordingAutomationDelegate delegate;
    {
        AAX_CParameterManager manager;
        manager.AddParameter (newParameter ("Before"));   // no delegate yet: nothing to register with
        manager.Initialize (&delegate);
        manager.AddParameter (newParameter ("Width"));
        manager.AddParameter (newParameter ("Balance"));

        manager.RemoveAllParameters();
        EXPECT_EQ (manager.NumParameters(), 0);
        EXPECT_EQ (manager.GetParameterByID ("Width"), nullptr);

        manager.AddParameter (newParameter ("Again"));
    }

    EXPECT_EQ (delegate.log, (std::vector<std::string> { "register Width", "register Balance", "unregister Width",
                                                         "unregister Balance", "register Again", "unregister Again" }))
        << "the manager's destruction deletes what it still holds";
}
} // namespace quindle::test::aax
