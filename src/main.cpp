// Torvane: editor for the channel database of STi710X set-top receivers.
#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/SettingsLocation.h"
#include "app/window/TSDIAppForm.h"
#include "link/window/TransferCommands.h"
#include "ui/PageFrame.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  ConfigureApplication();

  TSDIAppForm form(ProgramFolder());
  form.SetDocumentController(std::make_unique<TransferCommands>());
  InstallPages(form);
  form.show();

  // `torvane FILE.dld` opens that file once the window is up.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) {
    const std::string path = args.at(1).toStdString();
    QTimer::singleShot(0, &form, [&form, path] { form.OpenAtStartup(path); });
  }
  return app.exec();
}
