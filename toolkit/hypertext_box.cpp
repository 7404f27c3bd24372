#include "toolkit/hypertext_box.h"

#include <wx/clntdata.h>
#include <wx/html/htmlcell.h>
#include <wx/html/htmlwin.h>
#include <wx/html/styleparams.h>
#include <wx/html/winpars.h>
#include <wx/toplevel.h>
#include <wx/utils.h>

#include "toolkit/fonts.h"
#include "toolkit/gbk_text.h"
#include "toolkit/hypertext_markup.h"

namespace {

// What a box shows and how its links are marked now; kept with the box. The current link is
// kept while the box is without the focus (a dialog opened by a link takes it), and shown only
// while the box has it.
struct LinkState : wxClientData {
    Text markup;
    TextList addresses;
    int underlined = -1;
    int current = -1;
    bool focused = false;
    LinkEventHandler on_event;
};

// The view's own link tag underlines every link; this one draws links in the link colour only,
// and takes the underline and background from the tag's style (DisplayMarkup's marks).
class PlainLinkTag : public wxHtmlWinTagHandler {
  public:
    wxString GetSupportedTags() override { return L"A"; }

    bool HandleTag(const wxHtmlTag& tag) override {
        wxString address;
        if (!tag.GetParamAsString(L"HREF", &address)) {
            return false;
        }
        wxHtmlWinParser& parser = *m_WParser;
        const wxHtmlLinkInfo outer_link = parser.GetLink();
        const wxColour outer_colour = parser.GetActualColor();
        const wxColour outer_background = parser.GetActualBackgroundColor();
        const int outer_background_mode = parser.GetActualBackgroundMode();
        const int outer_underlined = parser.GetFontUnderlined();

        parser.SetActualColor(parser.GetLinkColor());
        parser.GetContainer()->InsertCell(new wxHtmlColourCell(parser.GetLinkColor()));
        parser.SetLink(wxHtmlLinkInfo(address, tag.GetParam(L"TARGET")));
        ApplyStyle(wxHtmlStyleParams(tag));
        ParseInner(tag);

        parser.SetLink(outer_link);
        parser.SetFontUnderlined(outer_underlined);
        parser.GetContainer()->InsertCell(new wxHtmlFontCell(parser.CreateCurrentFont()));
        parser.SetActualColor(outer_colour);
        parser.GetContainer()->InsertCell(new wxHtmlColourCell(outer_colour));
        if (outer_background_mode != parser.GetActualBackgroundMode() ||
            outer_background != parser.GetActualBackgroundColor()) {
            parser.SetActualBackgroundMode(outer_background_mode);
            parser.SetActualBackgroundColor(outer_background);
            parser.GetContainer()->InsertCell(new wxHtmlColourCell(
                outer_background, outer_background_mode == wxBRUSHSTYLE_TRANSPARENT
                                      ? wxHTML_CLR_TRANSPARENT_BACKGROUND
                                      : wxHTML_CLR_BACKGROUND));
        }
        return true;
    }
};

LinkState& StateOf(wxHtmlWindow& box) {
    auto* state = static_cast<LinkState*>(box.GetClientObject());
    if (state == nullptr) {
        state = new LinkState;
        box.SetClientObject(state);
        // Owned by the box's parser from now on.
        box.GetParser()->AddTagHandler(new PlainLinkTag);
    }
    return *state;
}

void Draw(wxHtmlWindow& box, const LinkState& state) {
    const LinkMarks marks{state.underlined, state.focused ? state.current : -1};
    box.SetPage(GbkToWx(DisplayMarkup(state.markup, marks)));
    // After the page, which resets it: the box blends into its parent, which shows the
    // window's colour unless it has one of its own.
    const wxWindow* parent = box.GetParent();
    box.SetBackgroundColour(parent != nullptr && parent->UseBackgroundColour()
                                ? parent->GetBackgroundColour()
                                : wxGetTopLevelParent(&box)->GetBackgroundColour());
}

// Draws the box again when a mark has changed.
void Mark(wxHtmlWindow& box, int underlined, int current, bool focused) {
    LinkState& state = StateOf(box);
    if (underlined != state.underlined || current != state.current || focused != state.focused) {
        state.underlined = underlined;
        state.current = current;
        state.focused = focused;
        Draw(box, state);
    }
}

// The place among the box's links of the link under point (box coordinates), -1 for none.
int LinkAt(wxHtmlWindow& box, const wxPoint& point) {
    const wxHtmlContainerCell* content = box.GetInternalRepresentation();
    const wxHtmlCell* cell =
        content == nullptr ? nullptr : content->FindCellByPos(point.x, point.y);
    const wxHtmlLinkInfo* link = cell == nullptr ? nullptr
                                                 : cell->GetLink(point.x - cell->GetAbsPos().x,
                                                                 point.y - cell->GetAbsPos().y);
    if (link == nullptr) {
        return -1;
    }
    const TextList& addresses = StateOf(box).addresses;
    const Text address = WxToGbk(link->GetHref());
    for (std::size_t index = 0; index < addresses.size(); ++index) {
        if (addresses[index] == address) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

// The current link of a box that has just got the focus: the last one when Shift+Tab reached
// it, the first one when Tab did, the one clicked when a click gave it; otherwise (the focus
// coming back from a dialog) the one that was current, or the first.
int CurrentLinkOnFocus(wxHtmlWindow& box) {
    const LinkState& state = StateOf(box);
    const int links = static_cast<int>(state.addresses.size());
    if (links == 0) {
        return -1;
    }
    if (wxGetKeyState(WXK_TAB)) {
        return wxGetKeyState(WXK_SHIFT) ? links - 1 : 0;
    }
    if (wxGetMouseState().ButtonIsDown(wxMOUSE_BTN_ANY)) {
        const int clicked = LinkAt(box, box.ScreenToClient(wxGetMousePosition()));
        return clicked >= 0 ? clicked : state.current;
    }
    return state.current >= 0 ? state.current : 0;
}

void FollowLink(const wxString& address, const LinkEventHandler& on_event) {
    if (const auto name = LinkEventName(WxToGbk(address))) {
        if (on_event) {
            on_event(*name);
        }
    } else {
        wxLaunchDefaultBrowser(address);
    }
}

// Tab moves to the next link and Shift+Tab to the one before, and past the last or first one
// on to the next control; Enter and Space follow the current link.
void OnKey(wxHtmlWindow& box, wxKeyEvent& event) {
    LinkState& state = StateOf(box);
    const int links = static_cast<int>(state.addresses.size());
    const int current = state.current;
    switch (event.GetKeyCode()) {
        case WXK_TAB: {
            const bool backward = event.ShiftDown();
            const int next = current + (backward ? -1 : 1);
            if (current >= 0 && next >= 0 && next < links) {
                Mark(box, state.underlined, next, state.focused);
            } else {
                box.Navigate(backward ? wxNavigationKeyEvent::IsBackward
                                      : wxNavigationKeyEvent::IsForward);
            }
            return;
        }
        case WXK_RETURN:
        case WXK_NUMPAD_ENTER:
        case WXK_SPACE:
            if (current >= 0 && current < links) {
                FollowLink(GbkToWx(state.addresses[static_cast<std::size_t>(current)]),
                           state.on_event);
                return;
            }
            break;
        default:
            break;
    }
    event.Skip();
}

}  // namespace

void ShowHypertext(wxHtmlWindow& box, std::string_view markup) {
    LinkState& state = StateOf(box);
    state.markup = Text(markup);
    state.addresses = LinkAddresses(markup);
    state.underlined = -1;
    state.current = -1;
    box.SetBorders(0);
    box.SetStandardFonts(9, SongFaceName());
    Draw(box, state);
}

void HandleHypertextLinks(wxHtmlWindow& box, LinkEventHandler on_event) {
    StateOf(box).on_event = on_event;
    // Not skipped: a skipped link event makes the window load the link as a page of its own.
    box.Bind(wxEVT_HTML_LINK_CLICKED, [on_event](wxHtmlLinkEvent& event) {
        FollowLink(event.GetLinkInfo().GetHref(), on_event);
    });
    box.Bind(wxEVT_MOTION, [&box](wxMouseEvent& event) {
        const LinkState& state = StateOf(box);
        Mark(box, LinkAt(box, event.GetPosition()), state.current, state.focused);
        event.Skip();
    });
    box.Bind(wxEVT_LEAVE_WINDOW, [&box](wxMouseEvent& event) {
        const LinkState& state = StateOf(box);
        Mark(box, -1, state.current, state.focused);
        event.Skip();
    });
    box.Bind(wxEVT_SET_FOCUS, [&box](wxFocusEvent& event) {
        Mark(box, StateOf(box).underlined, CurrentLinkOnFocus(box), true);
        event.Skip();
    });
    box.Bind(wxEVT_KILL_FOCUS, [&box](wxFocusEvent& event) {
        const LinkState& state = StateOf(box);
        Mark(box, state.underlined, state.current, false);
        event.Skip();
    });
    box.Bind(wxEVT_KEY_DOWN, [&box](wxKeyEvent& event) { OnKey(box, event); });
}
