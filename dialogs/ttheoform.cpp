#include "dialogs/ttheoform.h"

#include "app/qtext.h"
#include "dialogs/explanationtext.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextEdit>

namespace {

const QColor TextBackground(216, 216, 216);

} // namespace

TTheoForm::TTheoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TheoForm"));
    setWindowTitle(QStringLiteral(" Erl\u00E4uterungen"));
    setFixedSize(600, 540);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(palette);

    m_text = new QTextEdit(this);
    m_text->setObjectName(QStringLiteral("TheoREdit"));
    m_text->setGeometry(12, 12, 576, 470);
    m_text->setReadOnly(true);
    m_text->setAcceptRichText(false);
    m_text->setLineWrapMode(QTextEdit::NoWrap);
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setPointSize(8);
    m_text->setFont(font);
    m_text->setTextColor(Qt::black);

    auto* close = new QPushButton(QStringLiteral("&Schlie\u00DFen"), this);
    close->setObjectName(QStringLiteral("CloseBtn"));
    close->setGeometry(252, 496, 96, 30);
    connect(close, &QPushButton::clicked, this, &TTheoForm::CloseBtnClick);

    FormCreate();
}

void TTheoForm::FormCreate() {
    QTextCursor cursor(m_text->document());
    QTextCharFormat regular = cursor.charFormat();
    regular.setForeground(Qt::black);
    QTextCharFormat bold = regular;
    bold.setFontWeight(QFont::Bold);
    bool first = true;
    for (const ExplanationLine& line : explanationLines()) {
        if (!first)
            cursor.insertBlock();
        first = false;
        cursor.setBlockCharFormat(line.bold ? bold : regular);
        cursor.insertText(toQString(line.text), line.bold ? bold : regular);
    }
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void TTheoForm::FormActivate() {
    QPalette palette = m_text->palette();
    palette.setColor(QPalette::Base, TextBackground);
    m_text->setPalette(palette);
    m_text->moveCursor(QTextCursor::Start);
    m_text->setFocus();
}

void TTheoForm::CloseBtnClick() { close(); }

void TTheoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* shown = screen())
        move(shown->availableGeometry().center() - rect().center());
    FormActivate();
}

void TTheoForm::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}
