// SPDX-License-Identifier: MIT
#include "application.h"
#include "form1.h"

int main(int argc, char* argv[]) {
    const auto app = openApplication(argc, argv);
    prepareApplication(*app);
    Form1 form;
    form.show();
    return QApplication::exec();
}
