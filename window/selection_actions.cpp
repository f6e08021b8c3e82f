// SPDX-License-Identifier: MIT
#include "selection_actions.h"

#include "selection_report.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextDocument>
#include <QWidget>

namespace {

QString qtText(const std::string& text) {
    return QString::fromStdString(text);
}

// The report as a datasheet: its HTML in the window's own font, larger, for paper.
void printDatasheet(const form::Report& report, QPagedPaintDevice& device) {
    QTextDocument sheet;
    QFont font = QApplication::font();
    font.setPointSizeF(10);
    sheet.setDefaultFont(font);
    sheet.setDefaultStyleSheet(QStringLiteral("th { text-align: left; padding-top: 8px; }"
                                              "td { padding-right: 16px; }"));
    sheet.setHtml(qtText(form::html(report)));
    sheet.print(&device);
}

} // namespace

SelectionActions::SelectionActions(QWidget& window, const form::Controls& controls)
    : QObject(&window), window_(window), controls_(controls),
      copy_(action("Seçimi kopyala", QKeySequence(QStringLiteral("Ctrl+Shift+C")),
                   &SelectionActions::copy)),
      print_(action("Yazdır…", QKeySequence(QStringLiteral("Ctrl+P")), &SelectionActions::print)),
      save_(action("PDF olarak kaydet…", QKeySequence(QStringLiteral("Ctrl+S")),
                   &SelectionActions::save)) {
    // Shift+F10 opens the context menu where the focus is, as the Menu key does; Windows does it
    // of itself, Qt elsewhere does not.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(QKeySequence(QStringLiteral("Shift+F10")));
    connect(menuKey, &QAction::triggered, this, &SelectionActions::openMenuOfFocus);
    window_.addAction(menuKey);
    window_.installEventFilter(this);
    for (QLineEdit* field : window_.findChildren<QLineEdit*>()) {
        field->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(field, &QWidget::customContextMenuRequested, this, [this, field](QPoint at) {
            QMenu* menu = field->createStandardContextMenu();
            popUp(*menu, field->mapToGlobal(at));
            delete menu;
        });
    }
}

QAction* SelectionActions::action(const char* text, const QKeySequence& keys,
                                  void (SelectionActions::*act)()) {
    auto* made = new QAction(QString::fromUtf8(text), this);
    made->setShortcut(keys);
    made->setShortcutContext(Qt::WindowShortcut);
    connect(made, &QAction::triggered, this, act);
    window_.addAction(made);
    return made;
}

void SelectionActions::popUp(QMenu& menu, const QPoint& at) {
    if (!menu.isEmpty())
        menu.addSeparator();
    // Items of the menu's own, which end with it: an action shared with menus that have gone
    // would be read to a screen reader as an item of the menu it was first shown in.
    for (QAction* action : {copy_, print_, save_}) {
        QAction* item = menu.addAction(action->text(), action, &QAction::trigger);
        item->setShortcut(action->shortcut());
    }
    menu.exec(at);
}

bool SelectionActions::eventFilter(QObject* watched, QEvent* event) {
    // A context menu that no control took reaches the window: the window's own menu.
    if (watched == &window_ && event->type() == QEvent::ContextMenu) {
        QMenu menu(&window_);
        popUp(menu, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void SelectionActions::openMenuOfFocus() {
    QWidget* focus = QApplication::focusWidget();
    if (auto* list = qobject_cast<QComboBox*>(focus); list && list->lineEdit())
        focus = list->lineEdit();
    if (!focus || focus->window() != &window_)
        focus = &window_;
    // Where the Menu key would open it: at the text cursor, or in the middle of the control.
    const QRect cursor = focus->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint at = cursor.isValid() ? cursor.bottomRight() : focus->rect().center();
    QContextMenuEvent opened(QContextMenuEvent::Keyboard, at, focus->mapToGlobal(at));
    QApplication::sendEvent(focus, &opened);
}

void SelectionActions::copy() {
    const form::Report report = form::reportOf(controls_);
    auto* both = new QMimeData;
    both->setText(qtText(form::plainText(report)));
    both->setHtml(qtText(form::html(report)));
    QApplication::clipboard()->setMimeData(both);
}

QString SelectionActions::suggestedPath(const form::Report& report) const {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(qtText(form::fileName(report)));
}

void SelectionActions::print() {
    const form::Report report = form::reportOf(controls_);
    QPrinter printer(QPrinter::HighResolution);
    // The name a printer's queue shows, whole ("…7.5 kW….pdf": Qt cuts a name at its last point).
    printer.setDocName(qtText(form::fileName(report)));
    // With no printer, printing is to a file: the datasheet's own name, where a PDF would be
    // saved (Qt's dialog would offer only a folder in a Wayland session).
    if (QPrinterInfo::availablePrinters().isEmpty())
        printer.setOutputFileName(suggestedPath(report));
    QPrintDialog dialog(&printer, &window_);
    if (dialog.exec() == QDialog::Accepted)
        printDatasheet(report, printer);
}

void SelectionActions::save() {
    const form::Report report = form::reportOf(controls_);
    const QString title = save_->text().remove(QChar(u'…'));
    const QString suggested = suggestedPath(report);
    // The dialog asks before an existing file is replaced; a name typed without ".pdf" gets it.
    QFileDialog dialog(&window_, title, suggested, QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    const QString path = dialog.selectedFiles().constFirst();
    // Written aside and put in place only when whole: a file that fails is left as it was.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        QPdfWriter pdf(&file);
        pdf.setTitle(qtText(report.title));
        pdf.setCreator(qtText(report.version));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        printDatasheet(report, pdf);
    }
    written = written && file.commit();
    if (!written)
        QMessageBox::warning(&window_, title,
                             QStringLiteral("PDF dosyası yazılamadı:\n%1\n\n%2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
}
