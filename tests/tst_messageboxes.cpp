#include "messages/AboutText.h"
#include "platform/QtMessageBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

namespace {

struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

/// Shows a box and reads it the way a user would see it, then dismisses it.
Seen showAndRead(const std::string& prompt, MessageBoxes::Style style,
                 const std::optional<std::string>& title)
{
    Seen seen;
    QTimer reader;
    QObject::connect(&reader, &QTimer::timeout, &reader, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.buttons << button->text();
            box->accept();
        }
    });
    reader.start(10);
    QtMessageBoxes().showMessage(prompt, style, title);
    return seen;
}

} // namespace

class TestMessageBoxes : public QObject {
    Q_OBJECT

private slots:
    void aboutBoxShowsParagraphsAsEmptyLines()
    {
        const Seen seen = showAndRead(AboutText::aboutPrompt(), MessageBoxes::Information,
                                      std::string(AboutText::AboutTitle));
        QCOMPARE(seen.title, QStringLiteral("About The Spindella Program"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.buttons.size(), 1);
        QVERIFY(!seen.text.contains(QLatin1Char('\r')));
        QVERIFY(seen.text.contains(QStringLiteral("Stay Cool.\n\nSpindella was written")));
        QVERIFY(seen.text.endsWith(QStringLiteral("555-0142 ")));
        QCOMPARE(seen.text.count(QStringLiteral("\n\n")), 3);
    }

    void untitledBoxShowsTheApplicationTitle()
    {
        const Seen seen = showAndRead("<<<<<See Ya !!!>>>>>", MessageBoxes::NoIcon, std::nullopt);
        QCOMPARE(seen.title, QStringLiteral("Spindella"));
        QCOMPARE(seen.icon, QMessageBox::NoIcon);
        QCOMPARE(seen.text, QStringLiteral("<<<<<See Ya !!!>>>>>"));
        QCOMPARE(seen.buttons.size(), 1);
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Spindella"));
    TestMessageBoxes test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_messageboxes.moc"
