#include "tests/support/program_session.h"

#include <signal.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "tests/support/temp_folder.h"
#include "tests/support/x_input.h"

namespace fs = std::filesystem;

namespace {

constexpr int kWindowLimitSeconds = 60;
constexpr int kDialogLimitSeconds = 10;
constexpr int kConfirmAttempts = 10;
constexpr int kSecondsPerConfirm = 2;
constexpr char kMainWindowTitle[] = "^Parceliov1\\.4$";
// The X window's width at 96 dots per inch: the client area (Wine's frame has no caption or
// border without a window manager, GTK's window is the client area).
#ifdef PARCELIO_E2E_UNDER_WINE
constexpr int kLayoutWindowWidth = 617;
#else
constexpr int kLayoutWindowWidth = 623;
#endif

bool FileDialogShows() {
    return WindowShows(kOpenDialogTitle) || WindowShows(kSaveDialogTitle);
}

// Empties the file name box of a dialog: Wine's dialogs show the last file's name there, and
// typing does not replace it.
void ClearDialogName(const std::string& dialog) {
#ifdef PARCELIO_E2E_UNDER_WINE
    PressKeysIn(dialog, "End shift+Home BackSpace");
#else
    static_cast<void>(dialog);
#endif
}

// The path as typed into a file dialog: under Wine a Windows path on drive Z:, which Wine maps
// to the root folder.
std::string DialogPath(const fs::path& file) {
#ifdef PARCELIO_E2E_UNDER_WINE
    std::string path = "Z:" + file.string();
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
#else
    return file.string();
#endif
}

// Types the path into the dialog's name box. GTK's box completes a typed name to the one file it
// begins, selected after the cursor: Delete takes that away again, as a person would.
void TypeName(const std::string& dialog, const fs::path& file) {
    TypeInto(dialog, DialogPath(file));
    PressKeysIn(dialog, "Delete");
}

// Presses Return in the dialog until done holds: the dialog may still be busy with the typed
// path (completing it, listing its folder) and then takes no Return.
bool ConfirmDialog(const std::string& dialog, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < kConfirmAttempts; ++attempt) {
        PressKeysIn(dialog, "Return");
        if (WaitFor(done, kSecondsPerConfirm)) {
            return true;
        }
    }
    return false;
}

}  // namespace

ProgramSession::ProgramSession(const FixtureService& service)
    : error_file_(OutputFolder("stderr") / ("program-" + std::to_string(service.Port()))) {
    child_ = StartProgram(PARCELIO_PROGRAM,
                          {.extra_environment = {"PARCELIO_TRACKING_HOST=" + service.HostAndPort()},
                           .error_file = error_file_});
    if (child_) {
        // A program that ended (its window system refused it, say) shows no window: its
        // standard error tells why, at once.
        window_ =
            FindWindow(kMainWindowTitle, kWindowLimitSeconds, [this] { return HasEnded(*child_); });
        const std::optional<ScreenBox> place = WindowPlace(window_);
        if (place) {
            scale_ = static_cast<double>(place->width) / kLayoutWindowWidth;
        }
    }
}

ProgramSession::~ProgramSession() {
    if (child_) {
        SignalProgram(*child_, SIGKILL);
        WaitForEnd(*child_, kDialogLimitSeconds);
    }
}

void ProgramSession::Click(WindowPoint point, int button) const {
    const WindowPoint at = OnWindow(point);
    ClickAt(window_, at.x, at.y, button);
}

void ProgramSession::DoubleClick(WindowPoint point) const {
    const WindowPoint at = OnWindow(point);
    DoubleClickAt(window_, at.x, at.y);
}

WindowPoint ProgramSession::OnWindow(WindowPoint point) const {
    return {static_cast<int>(std::lround(point.x * scale_)),
            static_cast<int>(std::lround(point.y * scale_))};
}

void ProgramSession::Type(const std::string& text) const {
    TypeInto(window_, text);
}

void ProgramSession::PressKeys(const std::string& keys) const {
    PressKeysIn(window_, keys);
}

bool ProgramSession::ChooseFromMenu(const ListPlace& list, int row, int item, Choice choice) const {
    const WindowPoint on_row{list.first_row.x, list.first_row.y + row * kRowHeight};
    Click(on_row);
    Click(on_row, 3);
    const std::optional<ScreenBox> menu = PopupThatStays(kDialogLimitSeconds);
    if (!menu) {
        return false;
    }
    if (choice == Choice::Pointer) {
        // The items are of equal height.
        ClickOnScreen(menu->x + menu->width / 2,
                      menu->y + menu->height * (2 * item + 1) / (2 * list.menu_items));
    } else {
        std::string keys;
        for (int step = 0; step <= item; ++step) {
            keys += "Down ";
        }
        ::PressKeys(keys + "Return");
    }
    return WaitFor([] { return !PopupShows(); });
}

bool ProgramSession::MenuStays(const ListPlace& list) const {
    Click(list.inside, 3);
    const bool stays = PopupThatStays(1).has_value();
    if (stays) {
        ::PressKeys("Escape");
        WaitFor([] { return !PopupShows(); });
    }
    return stays;
}

bool ProgramSession::ChooseFromDropDown(WindowPoint box, int item) const {
    Click(box);
    if (!PopupThatStays(kDialogLimitSeconds)) {
        return false;
    }
    std::string keys = "Home ";
    for (int step = 0; step < item; ++step) {
        keys += "Down ";
    }
    ::PressKeys(keys + "Return");
    return WaitFor([] { return !PopupShows(); });
}

std::string ProgramSession::StartExport(const ListPlace& list, const fs::path& name) const {
    if (!ChooseFromMenu(list, 0, 1, Choice::Keyboard)) {
        return {};
    }
    dialog_folder_.clear();
    const std::string dialog = TypeIntoSaveDialog(name);
    if (!dialog.empty()) {
        PressKeysIn(dialog, "Return");
    }
    return dialog;
}

std::optional<std::string> ProgramSession::ExportList(const ListPlace& list, const fs::path& file,
                                                      Choice choice) const {
    if (!ChooseFromMenu(list, 0, 1, choice)) {
        return std::nullopt;
    }
    return ChooseInSaveDialog(file);
}

std::string ProgramSession::TypeIntoSaveDialog(const fs::path& file) const {
    const std::string dialog = WindowThatStays(kSaveDialogTitle, kDialogLimitSeconds);
    if (!dialog.empty()) {
        PressKeysIn(dialog, "ctrl+a");
        ClearDialogName(dialog);
        TypeName(dialog, file);
    }
    return dialog;
}

std::optional<std::string> ProgramSession::ChooseInSaveDialog(const fs::path& file) const {
    const std::string dialog = TypeIntoSaveDialog(file);
    if (dialog.empty() ||
        !ConfirmDialog(dialog, [&file] { return fs::exists(file) && !FileDialogShows(); })) {
        return std::nullopt;
    }
    dialog_folder_ = file.parent_path();
    return TempFolder::FileContent(file);
}

bool ProgramSession::ImportNumbers(const fs::path& file) const {
    Click(kImportLink);
    return ChooseInOpenDialog(file);
}

bool ProgramSession::ChooseInOpenDialog(const fs::path& file) const {
    const std::string dialog = WindowThatStays(kOpenDialogTitle, kDialogLimitSeconds);
    if (dialog.empty()) {
        return false;
    }
    ClearDialogName(dialog);
    if (file.parent_path() == dialog_folder_) {
        TypeInto(dialog, file.filename().string());
        PressKeysIn(dialog, "Delete");
    } else {
        TypeName(dialog, file);
    }
    if (!ConfirmDialog(dialog, [] { return !FileDialogShows(); })) {
        return false;
    }
    dialog_folder_ = file.parent_path();
    return true;
}

bool ProgramSession::DropFiles(const std::vector<fs::path>& files) const {
    std::vector<std::string> paths;
    for (const fs::path& file : files) {
        paths.push_back(file.string());
    }
    std::optional<ChildProcess> source =
        StartProgram(PARCELIO_DRAG_SOURCE,
                     {.arguments = paths, .error_file = OutputFolder("stderr") / "drag-source"});
    if (!source) {
        return false;
    }
    const std::string from = FindWindow("^parcelio-drag-source$", kWindowLimitSeconds);
    if (!from.empty()) {
        DragBetween(from, 60, 60, window_, kBatchNumberBox.x, kBatchNumberBox.y);
    }
    // The other program ends once the target has taken the files or refused them.
    return WaitForEnd(*source, kDialogLimitSeconds).status == 0 && !from.empty();
}

void ProgramSession::PasteNumbers(const std::string& utf8_text) const {
    SetClipboardText(utf8_text);
    Click(kBatchNumberBox);
    PressKeys("ctrl+a BackSpace ctrl+v");
}

std::optional<int> ProgramSession::CloseAndWait(int limit_seconds) {
    PressKeysIn(window_, "Escape");
    std::optional<int> status = WaitForEnd(*child_, limit_seconds).status;
    child_.reset();
    return status;
}

std::string ProgramSession::ErrorOutput() const {
    return TempFolder::FileContent(error_file_);
}

bool HasSanitizerReport(const std::string& error_output) {
    return error_output.find("Sanitizer") != std::string::npos ||
           error_output.find("runtime error") != std::string::npos;
}

fs::path OutputFolder(const std::string& name) {
    const fs::path folder = fs::path(PARCELIO_E2E_OUTPUT_DIR) / name;
    fs::create_directories(folder);
    return folder;
}
