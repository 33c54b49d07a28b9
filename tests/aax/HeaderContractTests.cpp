// Values of the shared headers that the framework's wrapper, the host or a stored session rely
// on, beyond what compiling the wrapper shows.

#include "AAX.h"
#include "AAX_Enums.h"
#include "AAX_Version.h"

#include <gtest/gtest.h>

#include <set>

namespace quindle::test::aax
{
namespace
{
    struct Context
    {
        float** first;
        int32_t* second;
        void* third;
    };

    // A constant expression: the wrapper uses it for enumerators.
    enum : AAX_CFieldIndex
    {
        kThird = AAX_FIELD_INDEX (Context, third)
    };
}

TEST (HeaderContract, FieldIndexCountsPointerSizedFields)
{
    EXPECT_EQ (AAX_FIELD_INDEX (Context, first), 0);
    EXPECT_EQ (AAX_FIELD_INDEX (Context, second), 1);
    EXPECT_EQ (kThird, 2);
}

TEST (HeaderContract, RevisionsSelectTheFeatureSetTheWrapperIncludes)
{
    static_assert (AAX_SDK_CURRENT_REVISION >= AAX_SDK_2p3p0_REVISION);
    static_assert (AAX_SDK_2p3p1_REVISION <= AAX_SDK_CURRENT_REVISION);
#ifdef AAX_SDK_2p4p0_REVISION
    FAIL() << "the transport-state notification of 2.4.0 is not offered";
#endif
    EXPECT_EQ (AAX_LIBRARY_VERSION_REPORTED, 0x0000020501344DC8ULL);
}

TEST (HeaderContract, OrientationBitsCombineToTheValuesHostsStore)
{
    const int32_t inverted = AAX_eParameterOrientation_RightMinLeftMax | AAX_eParameterOrientation_TopMinBottomMax
                           | AAX_eParameterOrientation_RotarySingleDotMode | AAX_eParameterOrientation_RotaryRightMinLeftMax;
    const int32_t plain = AAX_eParameterOrientation_LeftMinRightMax | AAX_eParameterOrientation_BottomMinTopMax
                        | AAX_eParameterOrientation_RotarySingleDotMode | AAX_eParameterOrientation_RotaryLeftMinRightMax;
    EXPECT_EQ (inverted, 19);
    EXPECT_EQ (plain, 0);
}

TEST (HeaderContract, StemFormatsPackIndexAndChannelCount)
{
    struct Case
    {
        const char* name;
        AAX_EStemFormat format;
        int index;
        int channels;
    };

    const Case cases[] = {
        { "mono", AAX_eStemFormat_Mono, 0, 1 },
        { "stereo", AAX_eStemFormat_Stereo, 1, 2 },
        { "7.1 DTS", AAX_eStemFormat_7_1_DTS, 12, 8 },
        { "7.0.2", AAX_eStemFormat_7_0_2, 13, 9 },
        { "third-order ambisonics", AAX_eStemFormat_Ambi_3_ACN, 17, 16 },
        { "none", AAX_eStemFormat_None, -100, 0 },
        { "any", AAX_eStemFormat_Any, -1, 0 },
    };

    for (const auto& c : cases)
    {
        SCOPED_TRACE (c.name);
        EXPECT_EQ (AAX_STEM_FORMAT_INDEX (c.format), c.index);
        EXPECT_EQ (AAX_STEM_FORMAT_CHANNEL_COUNT (c.format), c.channels);
    }

    // The two negative formats a host without a description host accepts.
    EXPECT_EQ (static_cast<uint32_t> (AAX_eStemFormat_None), 0xFF9C0000u);
    EXPECT_EQ (static_cast<uint32_t> (AAX_eStemFormat_Any), 0xFFFF0000u);
}

TEST (HeaderContract, CaseLabelValuesAreDistinct)
{
    const std::set<int32_t> stemFormats {
        AAX_eStemFormat_Mono, AAX_eStemFormat_Stereo, AAX_eStemFormat_LCR, AAX_eStemFormat_LCRS, AAX_eStemFormat_Quad,
        AAX_eStemFormat_5_0, AAX_eStemFormat_5_1, AAX_eStemFormat_6_0, AAX_eStemFormat_6_1, AAX_eStemFormat_7_0_SDDS,
        AAX_eStemFormat_7_1_SDDS, AAX_eStemFormat_7_0_DTS, AAX_eStemFormat_7_1_DTS, AAX_eStemFormat_7_0_2,
        AAX_eStemFormat_7_1_2, AAX_eStemFormat_Ambi_1_ACN, AAX_eStemFormat_Ambi_2_ACN, AAX_eStemFormat_Ambi_3_ACN,
        AAX_eStemFormat_Reserved_1, AAX_eStemFormat_Reserved_2, AAX_eStemFormat_Reserved_3, AAX_eStemFormatNum,
        AAX_eStemFormat_None, AAX_eStemFormat_Any, AAX_eStemFormat_INT32_MAX
    };
    EXPECT_EQ (stemFormats.size(), 25u);

    const std::set<AAX_CTypeID> notifications {
        AAX_eNotificationEvent_EnteringOfflineMode, AAX_eNotificationEvent_ExitingOfflineMode,
        AAX_eNotificationEvent_ASPreviewState, AAX_eNotificationEvent_ASProcessingState,
        AAX_eNotificationEvent_TrackNameChanged, AAX_eNotificationEvent_SideChainBeingConnected,
        AAX_eNotificationEvent_SideChainBeingDisconnected
    };
    EXPECT_EQ (notifications.size(), 7u);
    EXPECT_EQ (AAX_eNotificationEvent_ASPreviewState, 0x41535076u) << "'ASPv', the preview state";

    EXPECT_NE (AAX_eViewContainer_Type_NSView, 0) << "0 means no view";
    EXPECT_NE (AAX_eViewContainer_Type_HWND, 0);
    EXPECT_NE (AAX_eViewContainer_Type_NSView, AAX_eViewContainer_Type_HWND);
}
} // namespace quindle::test::aax
