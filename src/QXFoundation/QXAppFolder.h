#pragma once

#include <QString>

// The application's own data folder, named after the application in the user's data location:
// every file the system writes for its own use lives here (the union list, converted videos, the
// play-list text, the copy an upload sends), never in a folder of the user's. Created when
// missing; a folder that cannot be created is still returned, and the write that needs it fails.
QString qxAppDataFolder();
