// The names of the main window's controls and pop-up menus, the numbers of its result pages
// and of its status bar's parts. Code names a control only through these constants, so that a
// misspelt name fails to compile.
#pragma once

#include <array>
#include <string_view>

// Controls, in the order of the layout table.
inline constexpr std::string_view kMainWindow = "MainWindow";
inline constexpr std::string_view kResultPages = "ResultPages";
inline constexpr std::string_view kBannerStrip = "BannerStrip";
inline constexpr std::string_view kBannerPicture = "BannerPicture";
inline constexpr std::string_view kModeButton = "ModeButton";
inline constexpr std::string_view kFooterLinkBox = "FooterLinkBox";
inline constexpr std::string_view kCommonCourierPanel = "CommonCourierPanel";
inline constexpr std::string_view kMainStatusBar = "MainStatusBar";
inline constexpr std::string_view kCourierBox = "CourierBox";
inline constexpr std::string_view kLetterGroupBox = "LetterGroupBox";
inline constexpr std::string_view kNumberLabel = "NumberLabel";
inline constexpr std::string_view kNumberBox = "NumberBox";
inline constexpr std::string_view kQueryButton = "QueryButton";
inline constexpr std::string_view kPanelToggleLabel = "PanelToggleLabel";
// The fourteen options of the common courier panel, numbered as on the panel.
inline constexpr std::string_view kCommonCourierOption1 = "CommonCourierOption1";
inline constexpr std::string_view kCommonCourierOption2 = "CommonCourierOption2";
inline constexpr std::string_view kCommonCourierOption3 = "CommonCourierOption3";
inline constexpr std::string_view kCommonCourierOption4 = "CommonCourierOption4";
inline constexpr std::string_view kCommonCourierOption5 = "CommonCourierOption5";
inline constexpr std::string_view kCommonCourierOption6 = "CommonCourierOption6";
inline constexpr std::string_view kCommonCourierOption7 = "CommonCourierOption7";
inline constexpr std::string_view kCommonCourierOption8 = "CommonCourierOption8";
inline constexpr std::string_view kCommonCourierOption9 = "CommonCourierOption9";
inline constexpr std::string_view kCommonCourierOption10 = "CommonCourierOption10";
inline constexpr std::string_view kCommonCourierOption11 = "CommonCourierOption11";
inline constexpr std::string_view kCommonCourierOption12 = "CommonCourierOption12";
inline constexpr std::string_view kCommonCourierOption13 = "CommonCourierOption13";
inline constexpr std::string_view kCommonCourierOption14 = "CommonCourierOption14";
inline constexpr std::string_view kSinglePage = "SinglePage";
inline constexpr std::string_view kBatchPage = "BatchPage";
inline constexpr std::string_view kHelpPage = "HelpPage";
inline constexpr std::string_view kSingleResultList = "SingleResultList";
inline constexpr std::string_view kFileDialog = "FileDialog";
inline constexpr std::string_view kBatchLinkBox = "BatchLinkBox";
inline constexpr std::string_view kBatchNumberBox = "BatchNumberBox";
inline constexpr std::string_view kBatchResultList = "BatchResultList";
inline constexpr std::string_view kHelpGroup = "HelpGroup";
inline constexpr std::string_view kHelpText = "HelpText";
inline constexpr std::string_view kReturnButton = "ReturnButton";
inline constexpr std::string_view kAboutGroup = "AboutGroup";
inline constexpr std::string_view kPresencePicture = "PresencePicture";
inline constexpr std::string_view kAboutText = "AboutText";

inline constexpr std::array<std::string_view, 14> kCommonCourierOptions = {
    kCommonCourierOption1,  kCommonCourierOption2,  kCommonCourierOption3,  kCommonCourierOption4,
    kCommonCourierOption5,  kCommonCourierOption6,  kCommonCourierOption7,  kCommonCourierOption8,
    kCommonCourierOption9,  kCommonCourierOption10, kCommonCourierOption11, kCommonCourierOption12,
    kCommonCourierOption13, kCommonCourierOption14,
};

// Pop-up menus.
inline constexpr std::string_view kSingleResultMenu = "SingleResultMenu";
inline constexpr std::string_view kBatchResultMenu = "BatchResultMenu";

// The pages of ResultPages, in page order.
inline constexpr int kSinglePageNumber = 0;
inline constexpr int kBatchPageNumber = 1;
inline constexpr int kHelpPageNumber = 2;

// The part of MainStatusBar that shows the outcome of what the user did.
inline constexpr int kMessagePart = 0;
