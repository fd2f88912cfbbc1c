#pragma once
// Where SysInfo.Ini lives: beside the executable when that folder can be
// written, otherwise (an installed program) in the user's configuration
// folder, seeded from the copy beside the executable so that the language
// list and the port table come along.

#include <QString>

namespace kx7q {

// Whether a file can be created in the folder (tried, not guessed from
// permission bits).
bool IsWritableFolder(const QString& folder);

// The settings path to use. appDir and userDir end with '/'. When appDir is
// not writable, userDir is created and, if it has no SysInfo.Ini yet, the one
// in appDir is copied there.
QString ChooseSettingsPath(const QString& appDir, const QString& userDir, bool appDirWritable);

// The same for the running program (user folder: the standard configuration
// folder + "kx7q/").
QString SettingsPathForProgram(const QString& appDir);

}  // namespace kx7q
