// The application object: start-up in its fixed order, the commands that
// belong to the application, and the message loop.
#pragma once

#include <windows.h>

#include <string>

#include "res/resource.h"
#include "vornak95/recent_files.h"
#include "vornak95/win32/shell_windows.h"

namespace vornak {

// The document holds no data: a new one needs nothing, and opening or saving
// one reads and writes nothing. Its "save as" does nothing; the view takes
// that command ("&S)ave LOG") before it gets here.
class CVORNAK95Doc : public CommandTarget {
 public:
  bool OnNewDocument() { return true; }
  bool OnOpenDocument(const std::string&) { return true; }
  bool OnCommand(UINT id) override { return id == ID_FILE_SAVE_AS; }
};

class Application : public CommandTarget {
 public:
  // Profile, document template, main window with view, HTML pane and hidden
  // tree. False when the main window cannot be created.
  bool InitInstance(HINSTANCE instance, Machine& machine, int showCommand);
  int Run();
  CMainFrame& Frame() { return frame_; }
  bool OnCommand(UINT id) override;

 private:
  void LoadStdProfileSettings();
  void OnFileNew();
  void OnFileOpen();

  // Routes what the main window does not take to the document, then here.
  class DocumentThenApplication : public CommandTarget {
   public:
    explicit DocumentThenApplication(Application& app) : app_(app) {}
    bool OnCommand(UINT id) override { return app_.document_.OnCommand(id) || app_.OnCommand(id); }

   private:
    Application& app_;
  };

  HINSTANCE instance_ = nullptr;
  RecentFileList recentFiles_;
  CVORNAK95Doc document_;
  DocumentThenApplication route_{*this};
  CMainFrame frame_;
};

}  // namespace vornak
