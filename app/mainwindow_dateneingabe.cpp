// Patient and examiner data entry: the mandatory fields that allow the start, the
// birth date, the gender and smoking lists, and the reset after an examination.

#include "mainwindow.h"

#include "ui_mainwindow.h"

#include "rueckfrage.h"

#include <QDebug>

namespace
{
const QString datumsformat = QStringLiteral("dd.MM.yyyy");

bool gueltig(const QString& datum)
{
    return QDate::fromString(datum, datumsformat).isValid();
}

// Nobody examined today was born before 1900; earlier years are typing slips.
const QDate fruehestesGeburtsdatum(1900, 1, 1);

// The birth date as typed, normalised to "dd.MM.yyyy" where a reading of it is a
// date; a two-digit year becomes the latest such year not after `heute`.
// Anything else comes back as it can best be read, for the caller to reject.
QString geburtsdatumNormalisieren(QString t, const QDate& heute)
{
    // A two-digit year is the latest year with those last two digits that is not in
    // the future: in 2026 "80" is 1980, "26" is 2026. Returns the century to insert.
    const auto jahrhundert = [&heute](const QString& zweistellig) {
        bool ok = false;
        const int jj = zweistellig.toInt(&ok);
        int jahr = heute.year() / 100 * 100 + (ok ? jj : 0);
        if (jahr > heute.year())
            jahr -= 100;
        return QString::number(jahr / 100);
    };
    // Inserts the century before the two-digit year that starts at `stelle`.
    const auto mitJahrhundert
        = [&jahrhundert](QString s, int stelle) { return s.insert(stelle, jahrhundert(s.mid(stelle, 2))); };
    const auto mitNull = [](QString s, int stelle) { return s.insert(stelle, QLatin1Char('0')); };

    if (t.count(QLatin1Char('.')) == 2) {
        switch (t.size()) {
        case 9: { // one of day or month has one digit
            const QString kandidat = mitNull(t, 0);
            t = gueltig(kandidat) ? kandidat : mitNull(t, 3);
            break;
        }
        case 8: { // dd.MM.yy, else d.M.yyyy
            const QString kandidat = mitJahrhundert(t, 6);
            t = gueltig(kandidat) ? kandidat : mitNull(mitNull(t, 0), 3);
            break;
        }
        case 7: { // dd.M.yy, else d.MM.yy
            const QString kandidat = mitJahrhundert(mitNull(t, 3), 6);
            t = gueltig(kandidat) ? kandidat : mitJahrhundert(mitNull(t, 0), 6);
            break;
        }
        case 6: // d.M.yy
            t = mitJahrhundert(mitNull(mitNull(t, 0), 3), 6);
            break;
        default:
            break;
        }
        return t;
    }

    switch (t.size()) {
    case 8: // ddMMyyyy
        t.insert(2, QLatin1Char('.')).insert(5, QLatin1Char('.'));
        break;
    case 7: { // dMMyyyy, else ddMyyyy
        t.insert(3, QLatin1Char('.'));
        const QString kandidat = mitNull(QString(t).insert(1, QLatin1Char('.')), 0);
        t = gueltig(kandidat) ? kandidat : t.insert(2, QLatin1Char('.')).insert(3, QLatin1Char('0'));
        break;
    }
    case 6: { // ddMMyy, else dMyyyy
        const QString kandidat
            = QString(t).insert(4, QLatin1Char('.') + jahrhundert(t.mid(4, 2))).insert(2, QLatin1Char('.'));
        t = gueltig(kandidat) ? kandidat : mitNull(t.insert(1, QStringLiteral(".0")).insert(4, QLatin1Char('.')), 0);
        break;
    }
    default:
        break;
    }
    return t;
}
} // namespace

void MainWindow::warnungsplatzHalten()
{
    // The warning beside the start button grows to six lines (the heading, four missing fields and
    // the line break after the last). Holding that height from the start keeps the start row still
    // while the examiner types, so the page never starts to scroll under his fingers.
    QLabel* warnung = ui->label_startbedingung;
    warnung->setMinimumHeight(warnung->fontMetrics()
                                  .boundingRect(0, 0, 2000, 2000, Qt::TextWordWrap, QString(5, QLatin1Char('\n')))
                                  .height());
}

void MainWindow::GeschlechtFuellen()
{
    ui->comboBoxPatientGeschlecht->clear();
    ui->comboBoxPatientGeschlecht->addItem(tr("* Bitte wählen"), QStringLiteral(" "));
    ui->comboBoxPatientGeschlecht->addItem(tr("Weiblich"), QStringLiteral("W"));
    ui->comboBoxPatientGeschlecht->addItem(tr("Männlich"), QStringLiteral("M"));
    ui->comboBoxPatientGeschlecht->addItem(tr("Unbestimmt/Keine Angabe"), QStringLiteral("X"));
    ui->comboBoxPatientGeschlecht->addItem(tr("Divers"), QStringLiteral("D"));
}

void MainWindow::MussfelderConnect()
{
    for (int i = 0; i < mussfelder.size(); ++i) {
        const QString& name = mussfelder.at(i);
        // Unique: this runs again after every examination and must not stack connections.
        if (name.contains(QLatin1String("lineEdit"))) {
            if (auto* feld = findChild<QLineEdit*>(name))
                connect(feld, &QLineEdit::editingFinished, this, &MainWindow::MussfeldLineEditIstAusgefuellt,
                    Qt::UniqueConnection);
        } else if (name.contains(QLatin1String("comboBox"))) {
            if (auto* box = findChild<QComboBox*>(name))
                connect(box, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                    &MainWindow::MussComboboxIstAusgefuellt, Qt::UniqueConnection);
        }
        mussfelderOK.setBit(i, false);
    }
    MussfelderWarnungAnzeigen(false);
}

// The warnings in the language now set. The layout's own retranslation puts its general text back
// into the label, so the list of what is missing is written there anew.
void MainWindow::MussfelderUebersetzen()
{
    mussfelderWarnungen = QStringList { tr("Geschlecht nicht ausgewählt"), tr("Patient Vorname fehlt"),
        tr("Patient Nachname fehlt"), tr("Patient Geburtsdatum fehlt"), tr("Patient Personencode fehlt") };
    if (!mussfelder.isEmpty())
        MussfelderPruefen();
}

void MainWindow::MussfeldLineEditIstAusgefuellt()
{
    auto* feld = qobject_cast<QLineEdit*>(sender());
    const int i = feld ? mussfelder.indexOf(feld->objectName()) : -1;
    if (i < 0 || i >= mussfelderOK.size())
        return;
    // Blanks alone are no name and no code.
    mussfelderOK.setBit(i, !feld->text().trimmed().isEmpty());
    MussfelderPruefen();
}

void MainWindow::MussComboboxIstAusgefuellt(int Index)
{
    qDebug() << Index;
    auto* box = qobject_cast<QComboBox*>(sender());
    const int i = box ? mussfelder.indexOf(box->objectName()) : -1;
    if (i < 0 || i >= mussfelderOK.size())
        return;
    mussfelderOK.setBit(i, Index >= 1);
    MussfelderPruefen();
}

void MainWindow::MussfelderPruefen()
{
    if (mussfelderOK.count(true) != mussfelderOK.size()) {
        beginnenKnoppEnable(false);
        MussfelderWarnungAnzeigen(false);
    } else {
        beginnenKnoppEnable(true);
    }
}

void MainWindow::MussfelderWarnungAnzeigen(bool warn)
{
    QString text;
    int anzahl = 0;
    for (int i = 0; i < mussfelderOK.size() && i < mussfelderWarnungen.size(); ++i) {
        if (!mussfelderOK.testBit(i)) {
            text += mussfelderWarnungen.at(i) + QLatin1Char('\n');
            ++anzahl;
        }
    }
    // With everything missing, the full list would not fit beside the start button.
    if (anzahl > 4) {
        text.clear();
        anzahl = 1;
        for (int i = 0; i < mussfelderOK.size() && i < mussfelderWarnungen.size(); ++i) {
            if (mussfelderOK.testBit(i))
                continue;
            text += mussfelderWarnungen.at(i) + QStringLiteral(", ");
            ++anzahl;
            if (anzahl % 2 == 1)
                text += QLatin1Char('\n');
            if (anzahl > 3) {
                text.chop(2);
                text += QStringLiteral(" ...");
                break;
            }
        }
    }
    if (text.isEmpty())
        return;
    ui->label_startbedingung->setText(tr("Bitte mit * markierte Felder ausfüllen \n") + text);
    if (warn)
        rueckfrage::hinweis(text);
}

void MainWindow::on_lineEditPatientGeburtsdatum_textChanged(const QString& arg1)
{
    qDebug() << ui->lineEditPatientGeburtsdatum->cursorPosition() << arg1;
    if (!arg1.contains(QLatin1Char(' ')))
        return;
    const QString bereinigt = arg1.simplified();
    // Inner single blanks survive the clean-up; setting the same text again would loop.
    if (bereinigt != arg1)
        ui->lineEditPatientGeburtsdatum->setText(bereinigt);
}

QString MainWindow::geburtsdatumPruefen(const QString& eingabe, const QDate& heute)
{
    const QDate datum = QDate::fromString(geburtsdatumNormalisieren(eingabe.simplified(), heute), datumsformat);
    // No patient is born in the future.
    if (!datum.isValid() || datum < fruehestesGeburtsdatum || datum > heute)
        return QString();
    // QDate reads more than the form it is given (a sign before the day: "+1.02.1980"),
    // so what is kept is the date's own text, never the typed one.
    return datum.toString(datumsformat);
}

void MainWindow::on_lineEditPatientGeburtsdatum_editingFinished()
{
    const QString eingabe = ui->lineEditPatientGeburtsdatum->text();
    const QString t = geburtsdatumPruefen(eingabe, QDate::currentDate());
    if (t.isEmpty() && !eingabe.trimmed().isEmpty()) {
        ui->lineEditPatientGeburtsdatum->clear();
        ui->lineEditPatientGeburtsdatum->setPlaceholderText(tr("* TT.MM.JJJJ"));
        const int i = mussfelder.indexOf(QStringLiteral("lineEditPatientGeburtsdatum"));
        if (i >= 0 && i < mussfelderOK.size())
            mussfelderOK.setBit(i, false);
        MussfelderPruefen();
        rueckfrage::hinweis(tr("Das Datum ist ungültig"));
    } else {
        ui->lineEditPatientGeburtsdatum->setText(t);
    }
    qDebug() << eingabe << t;
}

void MainWindow::on_comboBoxPatientRauchgewohnheit_currentIndexChanged(int index)
{
    // Free text only on the empty entry; the three fixed habits are chosen, not typed.
    ui->comboBoxPatientRauchgewohnheit->setEditable(index == 0);
}

void MainWindow::PatientReset()
{
    ui->lineEditPatientVorname->clear();
    ui->lineEditPatientNachname->clear();
    ui->lineEditPatientGeburtsdatum->clear();
    ui->lineEditPatientGeburtsname->clear();
    ui->lineEditPatientCode->clear();
    ui->lineEditPatientAdresse->clear();
    ui->lineEditPatientTelefonEmail->clear();
    ui->comboBoxPatientRauchgewohnheit->setCurrentIndex(0);
    ui->comboBoxPatientRauchgewohnheit->setItemText(0, QString());
    ui->plainTextEditPatientNotiz->clear();
    ui->groupBoxPatient->setEnabled(true);
    ui->groupBoxUntersucher->setEnabled(true);
    ui->comboBoxTestAuswahl->setEnabled(true);
    ui->comboBoxPatientGeschlecht->setCurrentIndex(0);
    ui->lineEditPatientGeburtsdatum->clear();
    ui->lineEditPatientGeburtsdatum->setInputMask(QString());
    ui->checkBoxAbschwellung->setChecked(false);
}
