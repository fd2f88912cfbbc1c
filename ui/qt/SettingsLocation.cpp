#include "ui/qt/SettingsLocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "i18n/ProgramSettings.h"

namespace kx7q {

bool IsWritableFolder(const QString& folder) {
  QTemporaryFile probe(folder + ".kx7q-probe-XXXXXX");
  return probe.open();
}

QString ChooseSettingsPath(const QString& appDir, const QString& userDir, bool appDirWritable) {
  const QString name = QString::fromLatin1(kSettingsFileName);
  const QString beside = appDir + name;
  // A read-only file in a writable folder is still replaced by the atomic
  // save, so the folder decides.
  if (appDirWritable) return beside;
  const QString user = userDir + name;
  QDir().mkpath(userDir);
  if (!QFileInfo::exists(user) && QFileInfo::exists(beside)) QFile::copy(beside, user);
  QFile(user).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
  return user;
}

QString SettingsPathForProgram(const QString& appDir) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  return ChooseSettingsPath(appDir, config + "/kx7q/", IsWritableFolder(appDir));
}

}  // namespace kx7q
