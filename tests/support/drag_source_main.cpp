// A second program for the tests, as a file manager is to a person: a small window that drags the
// files named on its command line when the left button is pressed on it, through the X server's
// drag-and-drop protocol (XDND), and ends once the drag has ended (the files taken or refused).
#include <wx/app.h>
#include <wx/dnd.h>
#include <wx/frame.h>
#include <wx/panel.h>

namespace {

constexpr char kTitle[] = "parcelio-drag-source";
// Right of the program's window on the tests' smallest screen (1024 x 768).
constexpr int kLeft = 880;
constexpr int kTop = 20;
constexpr int kSide = 120;

class DragSourceApp : public wxApp {
  public:
    bool OnInit() override {
        auto* frame = new wxFrame(nullptr, wxID_ANY, wxString::FromAscii(kTitle),
                                  wxPoint(kLeft, kTop), wxSize(kSide, kSide));
        auto* panel = new wxPanel(frame);
        wxArrayString files;
        for (int index = 1; index < argc; ++index) {
            files.Add(argv[index]);
        }
        panel->Bind(wxEVT_LEFT_DOWN, [frame, panel, files](wxMouseEvent&) {
            wxFileDataObject data;
            for (const wxString& file : files) {
                data.AddFile(file);
            }
            wxDropSource source(data, panel);
            source.DoDragDrop(wxDrag_CopyOnly);
            frame->Close();
        });
        frame->Show();
        return true;
    }
};

}  // namespace

wxIMPLEMENT_APP(DragSourceApp);
