// The built program started under the virtual X server against a tracking service on this
// machine, with the points of its main window that the tests click.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "tests/support/child_process.h"
#include "tests/support/fixture_service.h"

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
inline constexpr WindowPoint kSingleResultList{309, 420};
inline constexpr WindowPoint kBatchResultList{399, 420};

// The toolkit's own title of a file dialog with no title of the program's (an xdotool pattern).
inline constexpr char kFileDialogTitle[] = "^Select a file$";

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

    void Click(WindowPoint point, int button = 1) const;
    void Type(const std::string& text) const;

    // Exports the result list at list through the second item of its menu, "导出查询结果",
    // and the real save dialog, into file. The file's content; nothing when the list showed no
    // menu (it had no rows) or no file arrived.
    std::optional<std::string> ExportList(WindowPoint list,
                                          const std::filesystem::path& file) const;

    // Imports file into BatchNumberBox through the link "导入" and the real open dialog.
    // False when the dialog did not show or did not close.
    bool ImportNumbers(const std::filesystem::path& file) const;

    // Closes the window with Esc and waits up to limit_seconds for the program to end: its
    // exit status, or nothing when it did not end in time.
    std::optional<int> CloseAndWait(int limit_seconds);

    // What the program wrote to its standard error.
    std::string ErrorOutput() const;

  private:
    std::string error_file_;
    std::optional<ChildProcess> child_;
    std::string window_;
};

// Whether a sanitizer reported anything in error_output.
bool HasSanitizerReport(const std::string& error_output);

// Waits up to limit_seconds for service to have received count requests.
bool WaitForRequests(const FixtureService& service, std::size_t count, int limit_seconds);

// A folder for the test's files in the test's build folder; made when missing.
std::filesystem::path OutputFolder(const std::string& name);
// The same, emptied first.
std::filesystem::path FreshOutputFolder(const std::string& name);
