// Reading the settings at start-up and writing them at shutdown.
#include "app/TfrmMain.h"

namespace orvelle {

void TfrmMain::ReadSettings() {}

void TfrmMain::WriteSettings() {}

}  // namespace orvelle
