// The kinds of rows a window layout is made of: its controls, their items, list columns,
// pop-up menu items and which handler serves which event. The builder (layout_builder.h) turns
// these tables into windows; behaviour code finds the controls by their names
// (control_registry.h).
#pragma once

#include <filesystem>
#include <span>
#include <string_view>

#include "text/text_ops.h"

enum class ControlKind {
    Window,       // the main window itself
    PageControl,  // a stack of pages that only the program switches; no tabs are drawn
    Page,         // one page of a PageControl, filling it; pages come in page order
    Label,
    PicBox,
    Button,
    SimpleHtml,  // hypertext with address links and event links
    GroupBox,
    StatusBar,  // docked along the bottom edge of the window
    ComboBox,   // drop-down list the user can only choose from
    EditBox,
    RadioBox,
    TransLabel,  // transparent area that takes double-clicks
    ListView,    // report view
    CommonDlg,   // the file dialogs, made when used; nothing is built for it
};

// Heights are character heights in pixels at 96 dots per inch, weight normal.
enum class FontChoice {
    Default,         // the window's default font
    SimSunHeight12,  // face "SimSun", GB2312 characters, 12 pixels (9 point)
    Gb2312Height21,  // the default face for GB2312 characters, 21 pixels
};

// Style flags of ControlRow::style.
inline constexpr unsigned kPlainStyle = 0;
inline constexpr unsigned kMultiLine = 1U << 0;       // EditBox: several lines, wrapped
inline constexpr unsigned kCentredCaption = 1U << 1;  // GroupBox: caption centred on the top edge
inline constexpr unsigned kHandPointer = 1U << 2;     // the link pointer over the control

inline constexpr int kDefaultColour = -1;

// Pixels relative to the parent's client area; the table lists siblings topmost first.
struct ControlRow {
    std::string_view name;
    ControlKind kind;
    std::string_view parent;  // empty for the main window
    int left;
    int top;
    int width;
    int height;
    std::string_view text;  // caption, text, title or hypertext markup (GBK)
    bool focus;             // takes part in Tab navigation
    FontChoice font = FontChoice::Default;
    unsigned style = kPlainStyle;
    int background = kDefaultColour;              // 0xRRGGBB
    std::span<const unsigned char> picture = {};  // image file shown at start (PicBox, Window icon)
    // The same picture made larger, for screens of a larger scale: a PicBox's at twice its size,
    // the window icon's in the sizes the system takes at other scales.
    std::span<const std::span<const unsigned char>> larger_pictures = {};
};

// One item of a drop-down list, in list order.
struct ItemRow {
    std::string_view control;
    std::string_view text;
};

enum class ColumnAlign { Left, Centre };

struct ColumnRow {
    std::string_view list;
    std::string_view caption;
    int width;
    ColumnAlign align;
};

enum class EventKind {
    Created,          // the window and all its controls exist (before any user input)
    Clicked,          // Button or RadioBox
    ItemChosen,       // the user picked an item of a ComboBox
    LeftDoubleClick,  // TransLabel
    LinkEvent,        // SimpleHtml link with an event name
    RightClick,       // ListView
    LeftButtonUp,     // left mouse button released over the control
    FilesDropped,     // EditBox: files dragged from another program and dropped on it
};

// What a handler learns about its event.
struct EventContext {
    std::string_view control;     // the control (or menu) that raised the event
    std::string_view link_event;  // LinkEvent: the event name of the link (GBK); else empty
    std::span<const std::filesystem::path> dropped_files = {};  // FilesDropped: in drop order
    bool by_keyboard = false;  // RightClick: the menu key or Shift+F10, not the mouse
};

using EventHandler = void (*)(const EventContext&);

struct EventBinding {
    std::string_view control;
    EventKind event;
    EventHandler handler;
};

// One item of a pop-up menu, in menu order, with the handler its choice runs; all enabled,
// unchecked, without shortcut.
struct MenuItemRow {
    std::string_view menu;
    std::string_view text;
    EventHandler handler;
};

struct WindowLayout {
    std::span<const ControlRow> controls;
    std::span<const ItemRow> items;
    std::span<const ColumnRow> columns;
    std::span<const MenuItemRow> menu_items;
    std::span<const EventBinding> bindings;
};
