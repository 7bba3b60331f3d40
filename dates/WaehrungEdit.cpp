#include "dates/WaehrungEdit.h"

#include "dates/CurrencyStore.h"
#include "dates/vdlFDate.h"
#include "platform/Clock.h"
#include "platform/Prompter.h"
#include "toolkit/vdlFormPos.h"
#include "toolkit/vdlReg.h"
#include "toolkit/vdlTools_dateedit.h"
#include "toolkit/vdlTools_dates.h"
#include "toolkit/vdlTools_forms.h"
#include "toolkit/vdlTools_misc.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vdl {

CurrencyFault CheckCurrencyEntry(const QString& Bez, const QString& Kuerzel, bool RateReadable,
                                 const QString& Kurs, const QString& Datum)
{
    if (Bez.trimmed().isEmpty())
        return {1, QStringLiteral("Bezeichnung fehlt!")};
    if (Kuerzel.trimmed().isEmpty())
        return {2, QStringLiteral("Kürzel fehlt!")};
    if (!RateReadable)
        return {3, QStringLiteral("Kurs ist ungültig!")};
    if (Kurs.trimmed().isEmpty())
        return {3, QStringLiteral("Kurs fehlt!")};
    if (Datum.isEmpty() || !IsDateText(Datum, false))
        return {4, QStringLiteral("Datum fehlt oder ist ungültig!")};
    return {};
}

namespace {

bool runEditor(TfWaehrungEdit& dlg)
{
    return Prompter::current().runDialog(dlg) == QDialog::Accepted;
}

QLineEdit* field(QWidget* parent, const char* name, const char* label, int top, int width)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setGeometry(99, top, width, 22);
    if (label) {
        auto* l = new QLabel(QString::fromUtf8(label), parent);
        l->setGeometry(14, top, 84, 22);
        l->setBuddy(edit);
    }
    return edit;
}

} // namespace

bool AddCurrency()
{
    TfWaehrungEdit dlg;
    return runEditor(dlg);
}

bool EditCurrency(const QString& Bez, const QString& Kuerzel, const QString& Kurs, const QString& Datum)
{
    TfWaehrungEdit dlg;
    dlg.setFields(Bez, Kuerzel, Kurs, Datum);
    return runEditor(dlg);
}

TfWaehrungEdit::TfWaehrungEdit(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("fWaehrungEdit"));
    setWindowTitle(QStringLiteral("Währung"));
    setFixedSize(412, 201);

    m_bez = field(this, "eBez", "&Bezeichnung:", 22, 301);
    m_kuerzel = field(this, "eKuerzel", "&Kürzel:", 54, 134);
    m_kurs = field(this, "eKurs", "&Kurs:", 86, 134);
    auto* datumLabel = new QLabel(QStringLiteral("Kursdatum:"), this);
    datumLabel->setObjectName(QStringLiteral("Label4"));
    datumLabel->setGeometry(14, 117, 84, 22);
    rDatum = new TfvdlFDate(this);
    rDatum->setObjectName(QStringLiteral("rDatum"));
    rDatum->setGeometry(97, 117, 119, 22);
    rDatum->OnDatumEnter = [this] { rDatumDatumEnter(); };
    m_datum = rDatum->Datum;

    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("BtnOK"));
    ok->setGeometry(300, 163, 100, 26);
    m_abbrechen = new QPushButton(QStringLiteral("Abbre&chen"), this);
    m_abbrechen->setObjectName(QStringLiteral("BtnAbbrechen"));
    m_abbrechen->setGeometry(189, 163, 100, 26);
    connect(ok, &QPushButton::clicked, this, [this] { BtnOKClick(); });
    connect(m_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(m_bez, m_kuerzel);
    setTabOrder(m_kuerzel, m_kurs);
    setTabOrder(m_kurs, m_datum);
    setTabOrder(m_datum, ok);
    setTabOrder(ok, m_abbrechen);

    for (QLineEdit* e : {m_bez, m_kuerzel, m_kurs, m_datum})
        e->installEventFilter(this);
    RestoreFormPos(this);
    m_bez->setFocus();
}

void TfWaehrungEdit::setFields(const QString& Bez, const QString& Kuerzel, const QString& Kurs, const QString& Datum)
{
    m_bez->setText(Bez);
    m_kuerzel->setText(Kuerzel);
    m_kurs->setText(Kurs);
    m_datum->setText(Datum);
}

// Entering the empty date field offers today.
void TfWaehrungEdit::rDatumDatumEnter()
{
    SetTextIfEmpty(m_datum, DateToText(false, false, 0, Clock::today()));
    rDatum->DatumEnter();
}

bool TfWaehrungEdit::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        // Enter moves on to the next field instead of pressing OK.
        int key = static_cast<QKeyEvent*>(e)->key();
        EnterAsTab(this, key);
        if (key == 0)
            return true;
    } else if (watched == m_kurs && !m_checking) {
        // OK checks the rate itself.
        const auto exit = [this] {
            if (focusWidget() != findChild<QPushButton*>(QStringLiteral("BtnOK")))
                CheckNumEdit(m_kurs, 5, m_abbrechen, false);
        };
        if (RunOnFieldExit(m_kurs, e, exit))
            return true;
    }
    return QDialog::eventFilter(watched, e);
}

void TfWaehrungEdit::BtnOKClick()
{
    m_checking = true;
    const bool rateReadable = CheckNumEdit(m_kurs, 5, nullptr, false);
    const CurrencyFault fault =
        CheckCurrencyEntry(m_bez->text(), m_kuerzel->text(), rateReadable, m_kurs->text(), m_datum->text());
    if (fault.field) {
        ShowMessage(fault.message, QStringLiteral("Warnung"), mb::Ok | mb::IconError);
        QLineEdit* const fields[] = {m_bez, m_kuerzel, m_kurs, m_datum};
        SelectAllText(fields[fault.field - 1]);
        m_checking = false;
        return;
    }
    m_checking = false;
    // The table holds the display form of a date, whichever valid form was typed.
    QString datum = QStringLiteral("dd. mm. yyyy");
    if (!ParseDate(m_datum->text(), Var(0), datum, 1950))
        datum = m_datum->text();
    // A currency that could not be stored stays in the editor, as typed.
    if (!CurrencyStore::write(m_bez->text(), m_kuerzel->text(), m_kurs->text(), datum)) {
        ShowSettingsNotSaved(false);
        return;
    }
    accept();
}

void TfWaehrungEdit::done(int r)
{
    SaveFormPos(this);
    QDialog::done(r);
}

} // namespace vdl
