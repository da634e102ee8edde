#include "help/frmTip.h"
#include "ui_frmTip.h"

#include "platform/word/Word.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QStringDecoder>
#include <QStyle>

namespace {

// Windows-1252 in the bytes 0x80-0x9F; every other byte is the Latin-1 character of its value
// (the five bytes the code page leaves undefined keep their control characters).
constexpr char16_t Cp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString &cartellaScelta()
{
    static QString folder;
    return folder;
}

} // namespace

QString TestoSuggerimenti(const QByteArray &bytes)
{
    static const QByteArray bom("\xEF\xBB\xBF");
    if (bytes.startsWith(bom)) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        return decoder(QByteArrayView(bytes).sliced(bom.size()));
    }
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = (b >= 0x80 && b < 0xA0) ? QChar(Cp1252High[b - 0x80]) : QChar(b);
    }
    return text;
}

QStringList RigheSuggerimenti(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines << text.mid(start);   // a last line without its line end
    return lines;
}

QString frmTip::MessaggioFileMancante()
{
    return QStringLiteral("Impossibile trovare il file ") + NomeFileSuggerimenti + QStringLiteral("\r\n\r\n")
           + QStringLiteral("Creare un file di testo denominato ") + NomeFileSuggerimenti
           + QStringLiteral(" utilizzando il Blocco note e inserendo un suggerimento per ogni riga. ")
           + QStringLiteral("Inserire il file nella stessa directory dell'applicazione. ");
}

frmTip::frmTip(QWidget *parent)
    : QDialog(parent)
    , m_ui(new Ui::frmTip)
{
    m_ui->setupUi(this);
    setFixedSize(size());

    QIcon icona(QStringLiteral(":/toolbar/suggerimenti.png"));
    if (icona.isNull())
        icona = style()->standardIcon(QStyle::SP_MessageBoxInformation);
    m_ui->Icona->setPixmap(icona.pixmap(24, 24));

    connect(m_ui->cmdNextTip, &QPushButton::clicked, this, &frmTip::cmdNextTip_Click);
    connect(m_ui->cmdprecedente, &QPushButton::clicked, this, &frmTip::cmdprecedente_Click);
    connect(m_ui->cmdOK, &QPushButton::clicked, this, &frmTip::cmdOK_Click);
}

frmTip::~frmTip() = default;

QString frmTip::cartella()
{
    return cartellaScelta().isEmpty() ? programFolder() : cartellaScelta();
}

void frmTip::setCartella(const QString &folder)
{
    cartellaScelta() = folder;
}

void frmTip::Form_Load()
{
    const QString path = QDir(cartella()).filePath(NomeFileSuggerimenti);
    if (!LoadTips(path))
        mostra(MessaggioFileMancante());
}

bool frmTip::LoadTips(const QString &sFile)
{
    if (sFile.isEmpty())
        return false;
    // Only a plain, visible file counts; one that cannot be read counts as missing, so that the
    // window still opens and says what to do.
    const QFileInfo info(sFile);
    if (!info.exists() || !info.isFile() || info.isHidden())
        return false;
    QFile file(sFile);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    file.close();

    m_tipList << RigheSuggerimenti(TestoSuggerimenti(bytes));
    ShowNextTip();
    return true;
}

void frmTip::ShowNextTip()
{
    ++m_tipIndex;
    if (m_tipIndex > m_tipList.size())
        m_tipIndex = 1;
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (m_tipList.isEmpty())
        return;
    mostra(m_tipList.at(m_tipIndex - 1));
}

void frmTip::cmdNextTip_Click()
{
    ShowNextTip();
}

void frmTip::cmdprecedente_Click()
{
    if (m_tipList.isEmpty() || m_tipIndex <= 1)
        return;
    --m_tipIndex;
    mostra(m_tipList.at(m_tipIndex - 1));
}

void frmTip::cmdOK_Click()
{
    hide();
}

QString frmTip::testoMostrato() const
{
    return m_ui->lblTipText->text();
}

void frmTip::mostra(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_ui->lblTipText->setText(shown);
}
