#include "desktop/Inhibition.h"
#include "support/TextTable.h"

#include <QtTest>

namespace {

/// A desktop that notes what it is asked; its answers are events of the table.
class FakeDesktop final : public Inhibition::Service {
public:
    QStringList log;
    void inhibit() override { log << "inhibit"; }
    void release(const Inhibition::Hold& hold) override { log << "release " + name(hold); }
    static QString name(const Inhibition::Hold& hold)
    {
        return hold.request.empty() ? QString::number(hold.cookie)
                                    : QString::fromStdString(hold.request);
    }
};

} // namespace

class TestInhibition : public QObject {
    Q_OBJECT

private slots:
    void oneHoldAtMost_data()
    {
        // "granted 7" hands out cookie 7, "granted /r" a portal request; "end" takes the hold.
        addTextRows("events asked held", R"(
wanted, then granted | want, granted 7 | inhibit | yes
let go with its cookie | want, granted 7, unwant | inhibit, release 7 | no
a portal request is closed | want, granted /r, unwant | inhibit, release /r | no
wanted twice, asked once | want, want, granted 7 | inhibit | yes
unwanted while asking: let go on arrival | want, unwant, granted 7 | inhibit, release 7 | no
wanted again while asking | want, unwant, want, granted 7 | inhibit | yes
refused: not asked again | want, refused | inhibit | no
refused, still wanted: not asked again | want, refused, want, want | inhibit | no
refused, then wanted anew | want, refused, unwant, want | inhibit, inhibit | no
taken at the end | want, granted 7, end | inhibit, taken 7 | no
nothing to take | end | taken nothing | no
granted after the end: let go at once | want, end, granted 7 | inhibit, taken nothing, release 7 | no
)");
    }

    void oneHoldAtMost()
    {
        FakeDesktop desktop;
        Inhibition inhibition(desktop);
        for (const QString& event : cellList(cell("events"))) {
            const QString value = event.section(' ', 1);
            if (event == "want" || event == "unwant")
                inhibition.setWanted(event == "want");
            else if (event == "refused")
                inhibition.answered(std::nullopt);
            else if (event.startsWith("granted"))
                inhibition.answered(value.startsWith('/') ? Inhibition::Hold{0, value.toStdString()}
                                                          : Inhibition::Hold{value.toUInt(), {}});
            else if (const auto hold = inhibition.take())
                desktop.log << "taken " + FakeDesktop::name(*hold);
            else
                desktop.log << "taken nothing";
        }
        QTEST(desktop.log.join(", "), "asked");
        QTEST(QString(inhibition.isHeld() ? "yes" : "no"), "held");
    }
};

QTEST_APPLESS_MAIN(TestInhibition)
#include "tst_inhibition.moc"
