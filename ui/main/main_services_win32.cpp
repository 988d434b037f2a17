#include "ui/main/main_services_win32.h"

#include "engine/alert_sound_win32.h"
#include "engine/application_title.h"
#include "engine/desktop_win32.h"
#include "engine/list_files.h"
#include "engine/log_clock_win32.h"
#include "engine/program_directory_win32.h"
#include "settings/settings_store_win32.h"
#include "ui/main/command_line.h"

namespace hushwall {

struct MainWindowServices::Adapters {
  Win32Desktop desktop;
  Win32AlertSound sound;
  Win32LogClock clock;
};

MainWindowServices::MainWindowServices() : adapters_(std::make_unique<Adapters>()) {}
MainWindowServices::~MainWindowServices() = default;

void MainWindowServices::SetTrayIcon(TrayAction action, HWND owner, HICON icon,
                                     std::string_view tip) {
  tray_icon_.SetTrayIcon(action, owner, icon, tip);
}

void MainWindowServices::ChangeTrayIcon(HICON icon) { tray_icon_.ChangeIcon(icon); }
void MainWindowServices::StoreTrayIcon(HICON icon) { tray_icon_.StoreIcon(icon); }
const TrayIconData& MainWindowServices::TrayRecord() const { return tray_icon_.Data(); }

std::string MainWindowServices::ReadSetting(const std::string& application,
                                            const std::string& section, const std::string& key) {
  return RegistrySettingsStore().ReadSetting(application, section, key);
}

std::string MainWindowServices::CommandArguments() {
  return std::string(ArgumentsOf(GetCommandLineA()));
}

void MainWindowServices::LoadListFiles(BlockingState& state) {
  hushwall::LoadListFiles(state, ProgramDirectory());
}

bool MainWindowServices::ConfirmExit(HWND owner) {
  return MessageBoxA(owner, "Are you sure you want to close HushWall ?", "Close HushWall",
                     MB_YESNO) == IDYES;
}

void MainWindowServices::EndProcess() { ExitProcess(0); }

void MainWindowServices::ShowMessage(HWND owner, const std::string& text) {
  MessageBoxA(owner, text.c_str(), kApplicationTitle, MB_OK);
}

WindowSystem& MainWindowServices::Desktop() { return adapters_->desktop; }
AlertSound& MainWindowServices::Sound() { return adapters_->sound; }
LogClock& MainWindowServices::Clock() { return adapters_->clock; }

}  // namespace hushwall
