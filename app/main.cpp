// The program kx7q: start-up, then the main window until it is closed.
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include "app/Startup.h"
#include "ui/qt/SettingsLocation.h"
#include "ui/qt/TfMainFrm.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("kx7q");
  // Qt's own texts (Yes and No of the message boxes, the file and print
  // dialogs) in the desktop's language, as the system's boxes would be; the
  // program's texts come from its language files.
  QTranslator qtTexts;
  if (qtTexts.load(QLocale::system(), "qtbase", "_", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtTexts);
  // Numbers read "462.56250" whatever the desktop's locale.
  QLocale::setDefault(QLocale::c());

  kx7q::StartupOptions options;
  options.executablePath = QCoreApplication::applicationFilePath().toStdString();
  const QString appDir = QString::fromStdString(kx7q::DirectoryOf(options.executablePath));
  options.settingsPath = kx7q::SettingsPathForProgram(appDir).toStdString();
  kx7q::Maindb& db = kx7q::Db();
  kx7q::DataModuleCreate(db, options);

  kx7q::TfMainFrm frame(db);
  // Maximised; the geometry too, for desktops without a window manager.
  if (const QScreen* screen = QGuiApplication::primaryScreen()) frame.setGeometry(screen->availableGeometry());
  frame.showMaximized();
  return app.exec();
}
