#include "tests/support/window_harness.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <vector>

#include <wx/app.h>
#include <wx/choice.h>
#include <wx/eventfilter.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/menu.h>
#include <wx/stopwatch.h>
#include <wx/timer.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "tests/support/toolkit_probe.h"
#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "ui/main_window.h"
#include "ui/window_layout.h"

namespace {

constexpr int kPumpRounds = 600;
// A person's timing: how long a mouse button and a key are held, and the pause between the
// clicks of a double-click.
constexpr int kButtonHoldMilliseconds = 100;
constexpr int kKeyHoldMilliseconds = 50;
constexpr int kDoubleClickGapMilliseconds = 100;
constexpr int kBeforeDoubleClickMilliseconds = 1000;
// How long a person looks at a pop-up or dialog before choosing in it, and how often the test
// looks whether one has opened.
constexpr int kLookMilliseconds = 500;
constexpr int kWatchMilliseconds = 20;

// The watches of WhenItHolds, dropped at the end of each test.
std::vector<std::unique_ptr<wxTimer>>& Watches() {
    static std::vector<std::unique_ptr<wxTimer>> watches;
    return watches;
}

// Counts the releases of mouse buttons and keys that reach a window of the program, so that a
// click or key press is over once the program has seen its release.
class ReleaseCounter : public wxEventFilter {
  public:
    ReleaseCounter() { wxEvtHandler::AddFilter(this); }
    ~ReleaseCounter() override { wxEvtHandler::RemoveFilter(this); }
    ReleaseCounter(const ReleaseCounter&) = delete;
    ReleaseCounter& operator=(const ReleaseCounter&) = delete;
    int FilterEvent(wxEvent& event) override {
        const wxEventType type = event.GetEventType();
        if (type == wxEVT_LEFT_UP || type == wxEVT_RIGHT_UP || type == wxEVT_KEY_UP) {
            ++releases_;
        }
        return Event_Skip;
    }
    long Releases() const { return releases_; }

  private:
    long releases_ = 0;
};

// Presses (press_sends), holds for milliseconds and releases (release_sends), then waits until
// the program has seen the release; a release over a pop-up of the toolkit's own (a menu, a file
// dialog) reaches no window of the program, and the wait is then bounded. The release comes from
// a timer, so it comes on time also when the press opened a menu or a modal dialog whose loop
// runs meanwhile, as a person's finger comes up whatever the window does.
template <class Press, class Send>
void PressAndHold(Press press_sends, int milliseconds, Send release_sends) {
    constexpr int kRounds = 6;
    const ReleaseCounter counter;
    bool released = false;
    wxTimer release;
    release.Bind(wxEVT_TIMER, [&released, &release_sends](wxTimerEvent&) {
        release_sends();
        released = true;
    });
    press_sends();
    release.StartOnce(milliseconds);
    while (!released) {
        PumpEvents();
        wxMilliSleep(5);
    }
    for (int round = 0; round < kRounds && counter.Releases() == 0; ++round) {
        PumpEvents();
        wxMilliSleep(5);
    }
    PumpEvents();
}

void HeldClick(wxUIActionSimulator& simulator, int button) {
    PressAndHold([&simulator, button] { simulator.MouseDown(button); }, kButtonHoldMilliseconds,
                 [&simulator, button] { simulator.MouseUp(button); });
}

}  // namespace

void PumpEvents() {
    for (int round = 0; round < 3; ++round) {
        wxTheApp->Yield(true);
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
    }
}

bool PumpUntil(const std::function<bool()>& condition) {
    for (int round = 0; round < kPumpRounds && !condition(); ++round) {
        PumpEvents();
        wxMilliSleep(5);
    }
    return condition();
}

void PumpFor(int milliseconds) {
    const wxStopWatch watch;
    do {
        PumpEvents();
        wxMilliSleep(5);
    } while (watch.Time() < milliseconds);
}

wxPoint ScreenCentre(const wxWindow& control) {
    return control.GetScreenRect().GetPosition() +
           wxPoint(control.GetSize().x / 2, control.GetSize().y / 2);
}

void MoveMouseTo(const wxPoint& screen_point) {
    wxUIActionSimulator simulator;
    simulator.MouseMove(screen_point);
    PumpEvents();
}

void MouseClickAt(const wxPoint& screen_point, int button) {
    wxUIActionSimulator simulator;
    simulator.MouseMove(screen_point);
    PumpEvents();
    HeldClick(simulator, button);
}

void MouseDoubleClickAt(const wxPoint& screen_point) {
    // After a pause longer than the double-click time, so that a click before it does not
    // make it a triple click.
    PumpFor(kBeforeDoubleClickMilliseconds);
    wxUIActionSimulator simulator;
    simulator.MouseMove(screen_point);
    PumpEvents();
    HeldClick(simulator, wxMOUSE_BTN_LEFT);
    PumpFor(kDoubleClickGapMilliseconds);
    HeldClick(simulator, wxMOUSE_BTN_LEFT);
}

void ClickControl(std::string_view name) {
    MouseClickAt(ScreenCentre(Control<wxWindow>(name)));
}

void PressKey(int key_code, int modifiers) {
    wxUIActionSimulator simulator;
    PressAndHold([&simulator, key_code, modifiers] { simulator.KeyDown(key_code, modifiers); },
                 kKeyHoldMilliseconds,
                 [&simulator, key_code, modifiers] { simulator.KeyUp(key_code, modifiers); });
    PumpFor(kKeyHoldMilliseconds);
}

void TypeText(std::string_view text) {
    for (const char c : text) {
        const bool capital = c >= 'A' && c <= 'Z';
        PressKey(capital ? c - 'A' + 'a' : c, capital ? wxMOD_SHIFT : wxMOD_NONE);
    }
}

wxRect LinkArea(std::string_view box, std::string_view address) {
    wxHtmlWindow& links = Control<wxHtmlWindow>(box);
    const wxString href = GbkToWx(address);
    // Every terminal cell in reading order, across the lines of the box.
    const wxHtmlContainerCell* root = links.GetInternalRepresentation();
    wxRect area;
    for (wxHtmlTerminalCellsInterator cell(root->GetFirstTerminal(), root->GetLastTerminal()); cell;
         ++cell) {
        if (cell->GetLink() != nullptr && cell->GetLink()->GetHref() == href) {
            const wxPoint at = links.ClientToScreen(cell->GetAbsPos() - links.GetViewStart());
            const wxRect piece(at, wxSize(cell->GetWidth(), cell->GetHeight()));
            area = area.IsEmpty() ? piece : area.Union(piece);
        }
    }
    if (area.IsEmpty()) {
        ADD_FAILURE() << "no link to " << address;
    }
    return area;
}

wxPoint LinkCentre(std::string_view box, std::string_view address) {
    const wxRect area = LinkArea(box, address);
    return area.GetPosition() + wxPoint(area.width / 2, area.height / 2);
}

void WhenItHolds(std::function<bool()> condition, std::function<void()> step) {
    auto timer = std::make_unique<wxTimer>();
    wxTimer& watch = *timer;
    watch.Bind(wxEVT_TIMER,
               [&watch, condition = std::move(condition), step = std::move(step)](wxTimerEvent&) {
                   if (condition()) {
                       watch.Stop();
                       step();
                   }
               });
    watch.Start(kWatchMilliseconds);
    Watches().push_back(std::move(timer));
}

void DropWaitingSteps() {
    Watches().clear();
}

bool ChooseInPopupMenu(const std::function<void()>& open, std::string_view menu,
                       std::string_view item, ChooseBy by) {
    wxMenu& popup = Menu(menu);
    const wxMenuItemList& items = popup.GetMenuItems();
    const auto chosen = std::find_if(items.begin(), items.end(), [item](const wxMenuItem* entry) {
        return WxToGbk(entry->GetItemLabelText()) == item;
    });
    if (chosen == items.end()) {
        ADD_FAILURE() << "no item " << item << " in " << menu;
        return false;
    }
    const auto downs = std::distance(items.begin(), chosen) + 1;
    struct Visit {
        bool opened = false;
        bool stayed = false;
    };
    const auto visit = std::make_shared<Visit>();
    WhenItHolds([&popup] { return MenuIsShown(popup); },
                [&popup, visit, target = *chosen, downs, by] {
                    visit->opened = true;
                    PumpFor(kLookMilliseconds);
                    visit->stayed = MenuIsShown(popup);
                    if (!visit->stayed) {
                        return;
                    }
                    if (by == ChooseBy::kPointer) {
                        const wxRect area = MenuItemScreenRect(*target);
                        MouseClickAt(area.GetPosition() + wxPoint(area.width / 2, area.height / 2));
                    } else {
                        for (long down = 0; down < downs; ++down) {
                            PressKey(WXK_DOWN);
                        }
                        PressKey(WXK_RETURN);
                    }
                });
    open();
    PumpUntil([visit, &popup] { return visit->opened && !MenuIsShown(popup); });
    if (MenuIsShown(popup)) {
        ADD_FAILURE() << "the choice of " << item << " left " << menu << " open";
        PressKey(WXK_ESCAPE);
    }
    EXPECT_TRUE(visit->opened) << menu << " did not open";
    EXPECT_TRUE(visit->stayed) << menu << " closed by itself";
    return visit->opened && visit->stayed;
}

void RunMenuItem(std::string_view menu, std::string_view item) {
    for (const MenuItemRow& row : MainWindowLayout().menu_items) {
        if (row.menu == menu && row.text == item) {
            row.handler({menu, {}});
        }
    }
    PumpEvents();
}

void ChooseInDropDown(std::string_view box, int index) {
    wxChoice& list = Control<wxChoice>(box);
    MouseClickAt(ScreenCentre(list));
    ASSERT_TRUE(PumpUntil([&list] { return DropDownIsOpen(list); })) << box;
    PumpFor(kLookMilliseconds);
    ASSERT_TRUE(DropDownIsOpen(list)) << box << " closed by itself";
    const int moves = index - list.GetSelection();
    for (int move = 0; move < std::abs(moves); ++move) {
        PressKey(moves > 0 ? WXK_DOWN : WXK_UP);
    }
    PressKey(WXK_RETURN);
    EXPECT_TRUE(PumpUntil([&list, index] {
        return !DropDownIsOpen(list) && list.GetSelection() == index;
    })) << box;
    PumpFor(kButtonHoldMilliseconds);
}

std::string OutputPath(std::string_view file_name) {
    return std::string(PARCELIO_TEST_OUTPUT_DIR) + "/" + std::string(file_name);
}

bool SaveWindowScreenshot(const wxFrame& window, const std::string& path) {
    // What the X server shows, read by ImageMagick's import: the toolkit's own screen reads
    // can lag behind what has been drawn.
    // The toolkit's coordinates are the screen's pixels divided by the screen's scale (GTK).
    const double scale = window.GetContentScaleFactor();
    const wxRect logical = window.GetScreenRect();
    const wxRect area(wxRound(logical.x * scale), wxRound(logical.y * scale),
                      wxRound(logical.width * scale), wxRound(logical.height * scale));
    const wxString command =
        wxString::Format(wxString(L"import -window root -crop %dx%d+%d+%d +repage %s"), area.width,
                         area.height, area.x, area.y, wxString::FromUTF8(path));
    // The window stays enabled, so that the control with the focus shows it in the shot.
    return wxExecute(command, wxEXEC_SYNC | wxEXEC_NODISABLE) == 0;
}

void MainWindowTest::SetUp() {
    ASSERT_FALSE(WindowIsOpen()) << "a window of an earlier test is still open";
    ASSERT_NE(OpenMainWindow(), nullptr);
    ASSERT_TRUE(PumpUntil([] { return Window().IsShownOnScreen(); }));
    // Without a window manager the keyboard follows the pointer, so a control hidden or shown
    // under the pointer could make the window inactive and redraw it in its inactive look. The
    // window is given the keyboard focus itself, as a window manager would at its start.
    GiveWindowTheKeyboard(Window());
    ASSERT_TRUE(PumpUntil([] { return Window().IsActive() && LooksActive(Window()); }));
}

void MainWindowTest::TearDown() {
    DropWaitingSteps();
    CloseWindow();
}

wxFrame& MainWindowTest::Window() {
    return Control<wxFrame>(kMainWindow);
}

bool MainWindowTest::WindowIsOpen() {
    return FindControl(kMainWindow) != nullptr;
}

void MainWindowTest::CloseWindow() {
    if (WindowIsOpen()) {
        Window().Close();
    }
    EXPECT_TRUE(PumpUntil([] { return !WindowIsOpen() && wxTopLevelWindows.empty(); }));
}

wxImage SettledScreenshot(wxFrame& window, std::string_view file_name) {
    // Drawing reaches the X server some frames after a change, later still on a busy machine,
    // and there is no event for "done": the window has settled when several shots in a row,
    // some frames apart, show the same pixels. Nothing on the window changes by itself (the
    // toolkit's animations and caret blinking are off in the tests).
    constexpr int kShots = 100;
    constexpr int kSameShots = 4;
    window.Refresh();
    window.Update();
    const std::string path = OutputPath(file_name);
    wxImage last;
    int same = 1;
    for (int shot = 0; shot < kShots; ++shot) {
        for (int round = 0; round < 5; ++round) {
            PumpEvents();
            wxMilliSleep(10);
        }
        if (!SaveWindowScreenshot(window, path)) {
            ADD_FAILURE() << "no screenshot";
            return {};
        }
        wxImage image(wxString::FromUTF8(path), wxBITMAP_TYPE_PNG);
        same = last.IsOk() && image.IsOk() && SamePixels(image, last) ? same + 1 : 1;
        if (same == kSameShots) {
            return image;
        }
        last = image;
    }
    ADD_FAILURE() << "the window kept changing for " << kShots << " shots";
    return last;
}

wxColour ColourIn(const wxImage& shot, const wxPoint& at) {
    return {shot.GetRed(at.x, at.y), shot.GetGreen(at.x, at.y), shot.GetBlue(at.x, at.y)};
}

wxColour ColourAtCentreOf(const wxImage& shot, std::string_view name) {
    return ColourIn(shot, ScreenCentre(Control<wxWindow>(name)) -
                              Control<wxFrame>(kMainWindow).GetScreenPosition());
}

wxImage PixelsOver(const wxImage& shot, std::string_view name) {
    const wxWindow& control = Control<wxWindow>(name);
    const wxPoint at =
        control.GetScreenPosition() - Control<wxFrame>(kMainWindow).GetScreenPosition();
    return shot.GetSubImage(wxRect(at, control.GetSize()));
}

bool SamePixels(const wxImage& a, const wxImage& b) {
    return a.GetSize() == b.GetSize() &&
           std::equal(a.GetData(), a.GetData() + 3 * a.GetWidth() * a.GetHeight(), b.GetData());
}
