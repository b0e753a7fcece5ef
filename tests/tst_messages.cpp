#include "messages/AboutText.h"
#include "messages/MessageHandlers.h"
#include "support/FakeServices.h"

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
        QCOMPARE(AboutText::aboutPrompt(), expected);
    }

    void aboutShowsItsBoxAndNothingElse()
    {
        FakeServices services;
        MessageHandlers(services, services).about();
        QCOMPARE(services.log,
                 (QStringList{"box style 64 title About The Spindella Program", "box dismissed"}));
        QCOMPARE(services.lastPrompt, AboutText::aboutPrompt());
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
