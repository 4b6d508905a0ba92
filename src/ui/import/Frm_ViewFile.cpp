#include "ui/import/Frm_ViewFile.h"

#include <QFontDatabase>
#include <QPlainTextEdit>

#include "engine/import/FileText.h"
#include "engine/import/FileView.h"
#include "platform/AppContext.h"
#include "platform/MessageBox.h"
#include "platform/Screen.h"
#include "platform/Text.h"

namespace strelvan {

Frm_ViewFile::Frm_ViewFile(AppContext& app) : Form(app, QString::fromLatin1(kFormName)) {
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Columns of readings line up in a fixed-width font.
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    setCentralWidget(Text1);
}

void Frm_ViewFile::Form_Load() {
    setWindowTitle(Q(FileName));
    Text1->clear();
    platform::SizeToScreen(*this, 0.6, 0.6);
    const FileViewText view = ReadFileView(FileName);
    if (!view.ok) {
        platform::ShowMessage(view.failure, this);
        Unload();
        App().windows.Release<Frm_ViewFile>();
        return;
    }
    QString text = Q(FileTextAsUtf8(view.bytes));
    if (view.more)
        text += QString::fromLatin1(kMoreDataInFile);
    Text1->setPlainText(text);
}

} // namespace strelvan
