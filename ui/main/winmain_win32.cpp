// hushwall.exe: the splash first, then the hidden main window in the notification
// area, all on one thread and one message loop.
#include <windows.h>

#include <memory>

#include "ui/main/command_line.h"
#include "ui/main/program_ports_win32.h"
#include "ui/main/main_window_win32.h"
#include "platform/message_loop_win32.h"
#include "ui/main/single_instance_win32.h"
#include "ui/windows/splash_win32.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace hushwall;
  SingleInstance instance;
  if (!instance.IsFirst()) {
    if (!AsksToStayHidden(ArgumentsOf(GetCommandLineA())))
      SingleInstance::BringRunningInstanceForward();
    return 0;
  }

  SystemPorts system;
  std::unique_ptr<frmMain> main_window;
  Splash splash;
  auto load_main_window = [&] {
    main_window = std::make_unique<frmMain>(system.Ports());
    main_window->Load();
  };
  auto report_load = [&] { main_window->ReportLoadLater(); };
  if (!splash.Show(load_main_window, report_load)) {
    load_main_window();
    report_load();
  }
  return RunMessageLoop();
}
