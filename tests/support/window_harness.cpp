#include "tests/support/window_harness.h"

#include <algorithm>

#include <wx/app.h>
#include <wx/button.h>
#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/html/htmlwin.h>
#include <wx/radiobut.h>
#include <wx/uiaction.h>
#include <wx/utils.h>

#include "tests/support/toolkit_probe.h"
#include "toolkit/control_names.h"
#include "toolkit/control_registry.h"
#include "toolkit/gbk_text.h"
#include "ui/main_window.h"

namespace {

constexpr int kPumpRounds = 600;

void Post(wxWindow& control, wxEvent& event) {
    event.SetEventObject(&control);
    control.GetEventHandler()->AddPendingEvent(event);
    PumpEvents();
}

void PostCommand(std::string_view name, wxEventType type) {
    wxWindow& control = Control<wxWindow>(name);
    wxCommandEvent event(type, control.GetId());
    event.SetInt(1);
    Post(control, event);
}

void PostMouse(std::string_view name, wxEventType type) {
    wxWindow& control = Control<wxWindow>(name);
    wxMouseEvent event(type);
    event.SetPosition(wxPoint(control.GetSize().x / 2, control.GetSize().y / 2));
    Post(control, event);
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

void ClickButton(std::string_view name) {
    PostCommand(name, wxEVT_BUTTON);
}

void ClickOption(std::string_view name) {
    PostCommand(name, wxEVT_RADIOBUTTON);
}

void ChooseItem(std::string_view combo, int index) {
    wxChoice& box = Control<wxChoice>(combo);
    box.SetSelection(index);
    wxCommandEvent event(wxEVT_CHOICE, box.GetId());
    event.SetInt(index);
    event.SetString(box.GetString(static_cast<unsigned>(index)));
    Post(box, event);
}

void ChooseMenuItem(std::string_view menu, std::string_view item) {
    wxMenu& popup = Menu(menu);
    const int id = popup.FindItem(GbkToWx(item));
    ASSERT_NE(id, wxNOT_FOUND) << item;
    wxCommandEvent event(wxEVT_MENU, id);
    event.SetEventObject(&popup);
    popup.AddPendingEvent(event);
    PumpEvents();
}

void ClickLink(std::string_view box, std::string_view address) {
    wxHtmlWindow& window = Control<wxHtmlWindow>(box);
    const wxHtmlLinkInfo link(GbkToWx(address));
    wxHtmlLinkEvent event(window.GetId(), link);
    Post(window, event);
}

void DoubleClick(std::string_view name) {
    PostMouse(name, wxEVT_LEFT_DCLICK);
}

void RightClickOn(std::string_view name) {
    wxWindow& control = Control<wxWindow>(name);
    wxContextMenuEvent event(wxEVT_CONTEXT_MENU, control.GetId(), ScreenCentre(control));
    Post(control, event);
}

void ReleaseLeftButton(std::string_view name) {
    PostMouse(name, wxEVT_LEFT_UP);
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

void MouseClickAt(const wxPoint& screen_point) {
    wxUIActionSimulator simulator;
    simulator.MouseMove(screen_point);
    PumpEvents();
    simulator.MouseClick();
    PumpEvents();
}

void PressKey(int key_code) {
    wxUIActionSimulator simulator;
    simulator.Char(key_code);
    PumpEvents();
}

std::string OutputPath(std::string_view file_name) {
    return std::string(PARCELIO_TEST_OUTPUT_DIR) + "/" + std::string(file_name);
}

bool SaveWindowScreenshot(const wxFrame& window, const std::string& path) {
    // What the X server shows, read by ImageMagick's import: the toolkit's own screen reads
    // can lag behind what has been drawn.
    const wxRect area = window.GetScreenRect();
    const wxString command =
        wxString::Format(wxString(L"import -window root -crop %dx%d+%d+%d +repage %s"), area.width,
                         area.height, area.x, area.y, wxString::FromUTF8(path));
    return wxExecute(command, wxEXEC_SYNC) == 0;
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
        const bool unchanged =
            last.IsOk() && image.IsOk() && image.GetSize() == last.GetSize() &&
            std::equal(image.GetData(), image.GetData() + image.GetWidth() * image.GetHeight() * 3,
                       last.GetData());
        same = unchanged ? same + 1 : 1;
        if (same == kSameShots) {
            return image;
        }
        last = image;
    }
    ADD_FAILURE() << "the window kept changing for " << kShots << " shots";
    return last;
}
