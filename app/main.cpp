#include "application.h"
#include "form1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    prepareApplication(app);
    Form1 form;
    form.show();
    return QApplication::exec();
}
