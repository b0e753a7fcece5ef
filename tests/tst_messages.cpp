#include "messages/AboutText.h"
#include "messages/MessageHandlers.h"
#include "support/FakeServices.h"

#include <QRegularExpression>
#include <QtTest>

class TestMessages : public QObject {
    Q_OBJECT

private slots:
    void aboutPromptIsExact()
    {
        const std::string expected =
            "To start the circle animation, click once anywhere on the form. To enable full "
            "screen animation, just double click on the form. To revert the program to it's "
            "original state, simply double click again. Stay Cool.\r\n\r\n"
            "Spindella was written in 2026 by Halcyra, who owns all rights to it. \r\n\r\n"
            "All common and custom controls distributed with this program are the property of "
            "Halcyra.\r\n\r\n"
            "Halcyra, 17 Nowhere Lane \r\n"
            "Imaginary Falls, Fictional Province \r\n"
            "Neverland, Z9Z 9Z9 \r\n"
            "Phone (555) 555-0142 ";
        QCOMPARE(AboutText::AboutPrompt(), expected);
    }

    void aboutPromptHasItsShape()
    {
        const QString prompt = QString::fromStdString(AboutText::AboutPrompt());
        const QStringList paragraphs = prompt.split(QStringLiteral("\r\n\r\n"));
        QCOMPARE(paragraphs.size(), 4);
        QVERIFY(paragraphs[0].endsWith(QStringLiteral("Stay Cool.")));
        QVERIFY(!paragraphs[0].contains(QLatin1Char('\n')));
        QVERIFY(paragraphs[1].contains(QStringLiteral("2026")) && paragraphs[1].endsWith(' '));

        const QStringList contact = paragraphs[3].split(QStringLiteral("\r\n"));
        QCOMPARE(contact.size(), 4);
        for (const QString& line : contact)
            QVERIFY2(line.endsWith(' ') && line.trimmed().size() > 0, qPrintable(line));
        QVERIFY(QRegularExpression(QStringLiteral("555-01\\d\\d $")).match(contact[3]).hasMatch());
        QVERIFY(!prompt.endsWith(QStringLiteral("\r\n")));
        // Every line break is a carriage return followed by a line feed.
        QCOMPARE(prompt.count(QLatin1Char('\r')), prompt.count(QLatin1Char('\n')));
        QCOMPARE(prompt.count(QStringLiteral("\r\n")), prompt.count(QLatin1Char('\n')));
    }

    void aboutShowsItsBoxAndNothingElse()
    {
        FakeServices services;
        MessageHandlers(services, services).about();
        QCOMPARE(services.log,
                 (QStringList{"box style 64 title About The Spindella Program", "box dismissed"}));
        QCOMPARE(services.lastPrompt, AboutText::AboutPrompt());
    }

    void exitSaysGoodbyeThenEnds()
    {
        FakeServices services;
        MessageHandlers(services, services).exit();
        QCOMPARE(services.log, (QStringList{"box style 0 title (none)", "box dismissed", "end"}));
        QCOMPARE(services.lastPrompt, std::string("<<<<<See Ya !!!>>>>>"));
    }
};

QTEST_APPLESS_MAIN(TestMessages)
#include "tst_messages.moc"
