// Guide-page lines with umlauts as HTML entities.
#include "toolkit/vdlHTMLTools.h"
#include <QTest>

class TestHtml : public QObject {
    Q_OBJECT

private slots:
    void umlauts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::newRow("empty") << "" << "";
        QTest::newRow("no umlauts") << "Rechner 1 + 2 = 3" << "Rechner 1 + 2 = 3";
        QTest::newRow("markup kept") << "<p>A & B</p>" << "<p>A & B</p>";
        QTest::newRow("word") << "Größe" << "Gr&ouml;&szlig;e";
        QTest::newRow("all seven") << "äÄöÖüÜß" << "&auml;&Auml;&ouml;&Ouml;&uuml;&Uuml;&szlig;";
        QTest::newRow("other accents stay") << "Café €" << "Café €";
    }
    void umlauts()
    {
        QFETCH(QString, text);
        QTEST(vdl::UmlautsToHtml(text), "html");
    }
};

QTEST_GUILESS_MAIN(TestHtml)
#include "tst_html.moc"
