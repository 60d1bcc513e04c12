// The program's start and end.

#include "app/program.h"

#include "app/Pfmain.h"
#include "log/Pflog.h"
#include "platform/errors.h"
#include "ui/application.h"

int PlyfixMain() {
  try {
    ui::TApplication& application = ui::Application();
    application.SetTitle("Plyfix");
    application.SetHelpFile("C:\\My Documents\\Projects\\Plyfix\\PLYFIX.HLP");
    MainForm = application.CreateForm<TMainForm>();
    LogForm = application.CreateForm<TLogForm>();
    application.Run();
  } catch (const platform::Exception& error) {
    ui::Application().ShowException(error);
  }
  return 0;
}
