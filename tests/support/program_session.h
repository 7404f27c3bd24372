// The built program started under the virtual X server against a tracking service on this
// machine, with the points of its main window that the tests click.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/child_process.h"
#include "tests/support/fixture_service.h"
#include "tests/support/literals.h"

// A point in the main window's coordinates. Without a window manager the window has no frame,
// so these are the client area's: the layout's places, with the page area moved to 3, 244 at
// start-up.
struct WindowPoint {
    int x;
    int y;
};

inline constexpr WindowPoint kNumberBox{404, 122};
inline constexpr WindowPoint kQueryButton{529, 122};
inline constexpr WindowPoint kModeButton{587, 122};
inline constexpr WindowPoint kBatchNumberBox{97, 428};
inline constexpr WindowPoint kImportLink{37, 263};  // the first word of BatchLinkBox
inline constexpr WindowPoint kCourierBox{160, 120};
inline constexpr WindowPoint kLetterGroupBox{43, 120};
inline constexpr WindowPoint kPanelCaption{308, 153};    // the double-click label
inline constexpr WindowPoint kShunfengOption{469, 178};  // CommonCourierOption6, "顺丰"

// A result list: a point inside it, the first row's centre, a row's height, and the number of
// items of its menu.
struct ListPlace {
    WindowPoint inside;
    WindowPoint first_row;
    int menu_items;
};

// The rows' height differs between the toolkits' list controls.
#ifdef PARCELIO_E2E_UNDER_WINE
inline constexpr int kRowHeight = 14;
#else
inline constexpr int kRowHeight = 19;
#endif
inline constexpr ListPlace kSingleResultList{{309, 420}, {309, 272}, 3};
inline constexpr ListPlace kBatchResultList{{399, 420}, {399, 272}, 5};

// How a person chooses an item of a pop-up: with the pointer, or with the arrow keys and Return.
enum class Choice { Pointer, Keyboard };

// The titles of the open and the save dialog as a person reads them (patterns): under Wine the
// system's own in its language (English in the tests' locale), on GTK "打开" and "另存为".
#ifdef PARCELIO_E2E_UNDER_WINE
inline const std::string kOpenDialogTitle = "^Open$";
inline const std::string kSaveDialogTitle = "^Save As$";
#else
inline const std::string kOpenDialogTitle = Utf8(u8"^打开$");
inline const std::string kSaveDialogTitle = Utf8(u8"^另存为$");
#endif

// The program's question before an export replaces the ".txt" file that a name typed without
// extension becomes, and the keys that answer it.
inline const std::string kReplaceQuestionTitle = Utf8(u8"^确认另存为$");
inline constexpr char kReplaceNo[] = "Return";  // No is the default answer
inline constexpr char kReplaceYes[] = "alt+y";

class ProgramSession {
  public:
    // Starts the program with its tracking requests going to service and waits for its window.
    explicit ProgramSession(const FixtureService& service);
    // Kills the program if it still runs.
    ~ProgramSession();
    ProgramSession(const ProgramSession&) = delete;
    ProgramSession& operator=(const ProgramSession&) = delete;

    // The X window id of the main window; empty when it did not show.
    const std::string& Window() const { return window_; }

    // Points of the layout, at the window's scale (the screen's dots per inch under Wine).
    void Click(WindowPoint point, int button = 1) const;
    void DoubleClick(WindowPoint point) const;
    void Type(const std::string& text) const;
    void PressKeys(const std::string& keys) const;

    // Clicks row of list, then right-clicks it and, when its menu shows and stays, chooses its
    // item (0-based) as choice says. False when no menu stayed (the list had no rows).
    bool ChooseFromMenu(const ListPlace& list, int row, int item, Choice choice) const;

    // Right-clicks list and tells whether a menu stayed; it is closed again with Escape.
    bool MenuStays(const ListPlace& list) const;

    // Opens the drop-down list at box and, when it stays, chooses its item (from 0) with Home,
    // the arrow keys and Return. False when no list stayed.
    bool ChooseFromDropDown(WindowPoint box, int item) const;

    // Exports list through the second item of its menu, "导出查询结果", chosen as choice says,
    // and the real save dialog, into file. The file's content; nothing when the list showed no
    // menu (it had no rows) or no file arrived.
    std::optional<std::string> ExportList(const ListPlace& list, const std::filesystem::path& file,
                                          Choice choice = Choice::Keyboard) const;

    // Opens the save dialog from list's menu and types name into it, then Return; the dialog's
    // window, empty when none showed.
    std::string StartExport(const ListPlace& list, const std::filesystem::path& name) const;

    // Imports file into BatchNumberBox through the link "导入" and the real open dialog, typing
    // only the file's name when the dialog starts in its folder (that of the file last confirmed).
    // False when the dialog did not show or did not close.
    bool ImportNumbers(const std::filesystem::path& file) const;

    // Once the open dialog shows, types file into it and confirms it; false when the dialog did
    // not show or did not close.
    bool ChooseInOpenDialog(const std::filesystem::path& file) const;
    // Once the save dialog shows, types file into it and confirms it: the file's content, or
    // nothing when no dialog showed or no file arrived.
    std::optional<std::string> ChooseInSaveDialog(const std::filesystem::path& file) const;

    // Drags files from a second program (an XDND source, as a file manager) and drops them on
    // BatchNumberBox. False when the other program's window did not show.
    bool DropFiles(const std::vector<std::filesystem::path>& files) const;

    // Puts text on the clipboard from another program and pastes it into BatchNumberBox with
    // Ctrl+V, in place of what the box held.
    void PasteNumbers(const std::string& utf8_text) const;

    // Closes the window with Esc and waits up to limit_seconds for the program to end: its
    // exit status, or nothing when it did not end in time.
    std::optional<int> CloseAndWait(int limit_seconds);

    // What the program wrote to its standard error.
    std::string ErrorOutput() const;

    // A point of the layout in the X window's pixels: times the window's scale, which the window's
    // width tells.
    WindowPoint OnWindow(WindowPoint point) const;

  private:
    // Once the save dialog shows, selects its name box's text and types file in its place; the
    // dialog's window, empty when none showed.
    std::string TypeIntoSaveDialog(const std::filesystem::path& file) const;

    double scale_ = 1.0;
    std::string error_file_;
    std::optional<ChildProcess> child_;
    std::string window_;
    // The folder of the file last confirmed in a file dialog, where the next one starts; empty
    // when not known.
    mutable std::filesystem::path dialog_folder_;
};

// Whether a sanitizer reported anything in error_output.
bool HasSanitizerReport(const std::string& error_output);

// A folder for the test's files in the test's build folder; made when missing.
std::filesystem::path OutputFolder(const std::string& name);
