// SPDX-License-Identifier: MIT
#include "application.h"
#include "form1.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    StartUp startUp(argc, argv);
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    form.show();
    startUp.finished();
    return QApplication::exec();
}
