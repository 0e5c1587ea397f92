// The floor the editor is measured against: the plainest program that
// shows a file in a QPlainTextEdit. Usage: orvane_floor FILE [--wrap]
#include <QApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPlainTextEdit>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    QPlainTextEdit edit;
    edit.setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    edit.setLineWrapMode(args.contains(QStringLiteral("--wrap")) ? QPlainTextEdit::WidgetWidth
                                                                 : QPlainTextEdit::NoWrap);
    edit.resize(800, 600);
    if (args.size() > 1) {
        QFile file(args.at(1));
        if (file.open(QIODevice::ReadOnly))
            edit.setPlainText(QString::fromUtf8(file.readAll()));
    }
    edit.show();
    return app.exec();
}
