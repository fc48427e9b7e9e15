#include "app/qtmessageboxes.h"

#include "app/qtext.h"

#include <QApplication>
#include <QMessageBox>

MessageAnswer QtMessageBoxes::show(std::string_view text, std::string_view caption, MessageButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, toQString(caption), toQString(text),
                    buttons == MessageButtons::OkCancel ? QMessageBox::Ok | QMessageBox::Cancel : QMessageBox::Ok,
                    m_parent != nullptr ? m_parent : QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    return box.exec() == QMessageBox::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}
