#pragma once

// The "kbdorvel" service that carries the NT port driver.
namespace velmar::dorvel {

// 0 started (stopped), 1 service manager or service not available (also a start with reduced
// rights), 3 the start (stop) failed, 4 it failed with reduced rights.
int StartDriverService();
int StopDriverService();

// Copies kbdorvel.sys from the current directory into the system's driver folder and creates the
// service. 0 done (or the service manager unavailable, or the service there already), -1 the
// driver file is missing, -2 the copy failed, 5 access to the service manager denied.
int InstallDriverService();

}  // namespace velmar::dorvel
