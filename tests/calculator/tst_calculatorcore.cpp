#include "InfusionCalculation.h"
#include "NumberFormatting.h"
#include "NumberReading.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QtTest>

#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <locale.h>

using namespace renkalo;

namespace {

// "not converted" in the tables.
constexpr double Refused = std::numeric_limits<double>::quiet_NaN();

// Doubles compared bit for bit, so that -0 and 0 differ and nothing is fuzzy.
bool sameDouble(double a, double b)
{
    return std::bit_cast<quint64>(a) == std::bit_cast<quint64>(b);
}

QString describe(std::optional<double> value)
{
    return value ? QString::number(*value, 'g', 17) + (std::signbit(*value) ? " (negative)" : "") : "refused";
}

// The grammar of a number the user may type, written independently of the reader.
QRegularExpression grammar(QChar separator)
{
    const QString s = QRegularExpression::escape(QString(separator));
    return QRegularExpression(QStringLiteral("^ *[+-]?(?:[0-9]+%1?[0-9]*|%1[0-9]*)(?:[eE][+-]?[0-9]*)? *$").arg(s));
}

// What the C library makes of a text the grammar accepts, with the point as separator
// and the "C" locale whatever the process's: nothing when it is too large for a double.
std::optional<double> referenceValue(QString text, QChar separator)
{
    text = text.trimmed();
    text.replace(separator, u'.');
    static const QRegularExpression digit(QStringLiteral("[0-9]"));
    const qsizetype mark = text.indexOf(QRegularExpression(QStringLiteral("[eE]")));
    QString mantissa = mark < 0 ? text : text.left(mark);
    const QString exponent = mark < 0 ? QString() : text.mid(mark + 1);
    if (!mantissa.contains(digit))
        mantissa += u'0'; // "." and "-."
    text = exponent.contains(digit) ? mantissa + u'e' + exponent : mantissa;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const QByteArray ascii = text.toLatin1();
    errno = 0;
    char *end = nullptr;
    const double value = strtod_l(ascii.constData(), &end, cLocale);
    if (end != ascii.constData() + ascii.size())
        qFatal("reference could not read %s", ascii.constData());
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

} // namespace

class TestCalculatorCore : public QObject {
    Q_OBJECT
private slots:
    void reading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<double>("value");
        const QChar comma(u','), point(u'.');
        const double max = std::numeric_limits<double>::max();

        QTest::newRow("integer") << "142" << comma << 142.0;
        QTest::newRow("comma fraction") << "4,5" << comma << 4.5;
        QTest::newRow("point under comma") << "4.5" << comma << Refused;
        QTest::newRow("point fraction") << "4.5" << point << 4.5;
        QTest::newRow("comma under point") << "4,5" << point << Refused;
        QTest::newRow("separator first") << ",5" << comma << 0.5;
        QTest::newRow("separator last") << "5," << comma << 5.0;
        QTest::newRow("lone separator") << "," << comma << 0.0;
        QTest::newRow("lone point") << "." << point << 0.0;
        QTest::newRow("signed lone separator") << "-," << comma << -0.0;
        QTest::newRow("two separators") << "1,5,0" << comma << Refused;
        QTest::newRow("plus") << "+7" << comma << 7.0;
        QTest::newRow("minus") << "-40" << comma << -40.0;
        QTest::newRow("minus zero") << "-0" << comma << -0.0;
        QTest::newRow("two signs") << "+-1" << comma << Refused;
        QTest::newRow("sign after") << "1-" << comma << Refused;
        QTest::newRow("space after sign") << "- 1" << comma << Refused;
        QTest::newRow("spaces around") << "  70  " << comma << 70.0;
        QTest::newRow("space inside") << "7 0" << comma << Refused;
        QTest::newRow("thousands space") << "1 000" << comma << Refused;
        QTest::newRow("thousands point") << "1.000,5" << comma << Refused;
        QTest::newRow("tab before") << "\t70" << comma << Refused;
        QTest::newRow("tab after") << "70\t" << comma << Refused;
        QTest::newRow("no-break space") << "\u00A070" << comma << Refused;
        QTest::newRow("line feed") << "70\n" << comma << Refused;
        QTest::newRow("empty") << "" << comma << Refused;
        QTest::newRow("spaces only") << "   " << comma << Refused;
        QTest::newRow("lone minus") << "-" << comma << Refused;
        QTest::newRow("lone plus") << " + " << comma << Refused;
        QTest::newRow("exponent") << "1e2" << comma << 100.0;
        QTest::newRow("capital exponent") << "1E2" << comma << 100.0;
        QTest::newRow("negative exponent") << "1,5e-1" << comma << 0.15;
        QTest::newRow("positive exponent") << "25E+1" << comma << 250.0;
        QTest::newRow("mark without digits") << "7e" << comma << 7.0;
        QTest::newRow("mark and sign without digits") << "7e-" << comma << 7.0;
        QTest::newRow("separator and mark") << ",e5" << comma << 0.0;
        QTest::newRow("exponent alone") << "e5" << comma << Refused;
        QTest::newRow("sign and exponent") << "-e5" << comma << Refused;
        QTest::newRow("two exponents") << "1e2e3" << comma << Refused;
        QTest::newRow("fraction in exponent") << "1e2,5" << comma << Refused;
        QTest::newRow("space before exponent") << "1 e2" << comma << Refused;
        QTest::newRow("arabic-indic digit") << "\u0663" << comma << Refused;
        QTest::newRow("fullwidth digit") << "\uFF13" << comma << Refused;
        QTest::newRow("nan") << "nan" << comma << Refused;
        QTest::newRow("NAN") << "NAN" << comma << Refused;
        QTest::newRow("inf") << "inf" << comma << Refused;
        QTest::newRow("infinity") << "-Infinity" << comma << Refused;
        QTest::newRow("hex") << "0x10" << comma << Refused;
        QTest::newRow("letters") << "abc" << comma << Refused;
        QTest::newRow("largest double") << "1,7976931348623157e308" << comma << max;
        QTest::newRow("rounds down to the largest") << "1,797693134862315807e308" << comma << max;
        QTest::newRow("too large") << "1,8e308" << comma << Refused;
        QTest::newRow("too large negative") << "-1e309" << comma << Refused;
        QTest::newRow("huge exponent") << "1e99999999999999999999999999" << comma << Refused;
        QTest::newRow("zero with huge exponent") << "0e99999999999999999999999999" << comma << 0.0;
        QTest::newRow("tiny exponent") << "1e-99999999999999999999999999" << comma << 0.0;
        QTest::newRow("negative underflow") << "-1e-400" << comma << -0.0;
        QTest::newRow("smallest subnormal") << "4,9406564584124654e-324" << comma
                                             << std::numeric_limits<double>::denorm_min();
        QTest::newRow("subnormal") << "1e-310" << comma << 1e-310;
        QTest::newRow("tie to even") << "9007199254740993" << comma << 9007199254740992.0;
        QTest::newRow("just above the tie") << "9007199254740993,00000000000000000001" << comma
                                             << 9007199254740994.0;
        QTest::newRow("many leading zeros")
            << QString(400, u'0') + "1,5" << comma << 1.5;
        QTest::newRow("long fraction and exponent")
            << "0," + QString(400, u'0') + "1e401" << comma << 1.0;
        QTest::newRow("long integer and exponent") << "1" + QString(400, u'0') + "e-400" << comma << 1.0;
        QTest::newRow("10000 digits") << QString(10000, u'9') << comma << Refused;
        QTest::newRow("10000 fraction digits") << "0," + QString(10000, u'3') << comma << 1.0 / 3;
    }
    void reading()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(double, value);
        const std::optional<double> read = readNumber(text, separator);
        const std::optional<double> expected = std::isnan(value) ? std::nullopt : std::optional<double>(value);
        QVERIFY2(read.has_value() == expected.has_value() && (!read || sameDouble(*read, *expected)),
                 qPrintable(describe(read) + " instead of " + describe(expected)));
    }

    // Random and hostile texts: nothing crashes, exactly the grammar is accepted (less
    // what is too large for a double), and accepted values are the nearest doubles.
    void readingRandomTexts()
    {
        const QStringList pieces{
            "0",   "1",     "7",         "42",         "999",          "000",           "1234567890123456789012",
            ",",   ".",     "+",         "-",          "e",            "E",             " ",
            "  ",  "\t",    "\u00A0",    "\u2009",     "\u0663",       "\uFF15",        "\u0966",
            "nan", "inf",   "INF",       "0x",         "'",            "_",             "e999",
            "e-999", "E+30", "e99999999999999999999", "e-99999999999999999999", "1 000", "1.000", "1,000",
            "\U0001D7D9", QString(QChar(0)), "a",
        };
        QRandomGenerator random(20240611);
        const auto piece = [&] { return pieces[random.bounded(int(pieces.size()))]; };
        const auto digits = [&](int most) {
            QString text;
            for (int i = random.bounded(most + 1); i > 0; --i)
                text += QChar(u'0' + random.bounded(10));
            return text;
        };
        const QRegularExpression commaGrammar = grammar(u','), pointGrammar = grammar(u'.');
        int accepted = 0;
        for (int n = 0; n < 6000; ++n) {
            QString text;
            if (n % 500 == 0) {
                // Long texts: all digits, or anything.
                for (int i = 0; i < 10000; ++i)
                    text += n % 1000 == 0 ? QChar(u'0' + random.bounded(10)) : piece()[0];
            } else if (n % 2 == 0) {
                // Shaped like a number, now and then with something hostile slipped in.
                const QString separator = random.bounded(2) ? "," : ".";
                text = QString(random.bounded(3), u' ') + QStringList{"", "+", "-"}[random.bounded(3)] + digits(20);
                if (random.bounded(2))
                    text += separator + digits(20);
                if (random.bounded(2))
                    text += QStringList{"e", "E"}[random.bounded(2)] + QStringList{"", "+", "-"}[random.bounded(3)] +
                            digits(random.bounded(4) ? 3 : 25);
                text += QString(random.bounded(3), u' ');
                if (random.bounded(3) == 0)
                    text.insert(random.bounded(int(text.size()) + 1), piece());
            } else {
                for (int i = 1 + random.bounded(6); i > 0; --i)
                    text += piece();
            }
            for (QChar separator : {QChar(u','), QChar(u'.')}) {
                const std::optional<double> read = readNumber(text, separator);
                const bool inGrammar = (separator == u',' ? commaGrammar : pointGrammar).match(text).hasMatch();
                const std::optional<double> expected = inGrammar ? referenceValue(text, separator) : std::nullopt;
                if (read.has_value() != expected.has_value() || (read && !sameDouble(*read, *expected)))
                    QFAIL(qPrintable(QStringLiteral("\"%1\" with \"%2\": %3 instead of %4")
                                         .arg(text.left(80), separator, describe(read), describe(expected))));
                accepted += read.has_value();
            }
        }
        // Unless a fair share of the texts are numbers, the comparison proves little.
        QVERIFY2(accepted > 2500, qPrintable(QString::number(accepted)));
    }

    void formatting_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("text");
        const QChar comma(u','), point(u'.');
        QTest::newRow("zero") << 0.0 << comma << "0";
        QTest::newRow("negative zero") << -0.0 << comma << "0";
        QTest::newRow("integer") << 2300.0 << comma << "2300";
        QTest::newRow("fraction") << 99.4 << comma << "99,4";
        QTest::newRow("point") << 99.4 << point << "99.4";
        QTest::newRow("negative") << -2.5 << comma << "-2,5";
        QTest::newRow("rounded to 15 digits") << 1.0 / 3 << comma << "0,333333333333333";
        QTest::newRow("rounded up") << 2.0 / 3 << comma << "0,666666666666667";
        QTest::newRow("trailing zeros dropped") << 2.8000000000000003 << comma << "2,8";
        QTest::newRow("largest fixed") << 999999999999999.0 << comma << "999999999999999";
        QTest::newRow("rounds into exponent") << 999999999999999.9 << comma << "1E15";
        QTest::newRow("1E15") << 1e15 << comma << "1E15";
        QTest::newRow("exponent with fraction") << 1.5e15 << comma << "1,5E15";
        QTest::newRow("smallest fixed") << 0.0001 << comma << "0,0001";
        QTest::newRow("small fixed") << 0.00012345 << comma << "0,00012345";
        QTest::newRow("rounds into fixed") << 0.00009999999999999995 << comma << "0,0001";
        QTest::newRow("small exponent") << 1.5e-5 << comma << "1,5E-5";
        QTest::newRow("small exponent point") << 1.5e-5 << point << "1.5E-5";
        QTest::newRow("negative small exponent") << -1e-5 << comma << "-1E-5";
        QTest::newRow("largest double") << std::numeric_limits<double>::max() << comma << "1,79769313486232E308";
        QTest::newRow("smallest subnormal") << std::numeric_limits<double>::denorm_min() << comma
                                             << "4,94065645841247E-324";
    }
    void formatting()
    {
        QFETCH(double, value);
        QFETCH(QChar, separator);
        QFETCH(QString, text);
        QCOMPARE(formatNumber(value, separator), text);
    }

    // Which input stops a calculation: the first text that does not convert, in
    // reading order; otherwise the first value out of range, in checking order.
    void failingInput_data()
    {
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("input");
        using S = InfusionOutcome::Status;
        const auto row = [](const char *name, QStringList texts, S status, InfusionInput input) {
            QTest::newRow(name) << texts << int(status) << int(input);
        };
        row("converts before any check", {"0", "x", "", "", "", "", "", "", ""}, S::NotConverted, InfusionInput::U);
        row("reading order puts R before Na", {"70", "0", "0", "", "", "x", "4,5", "100", "0"}, S::NotConverted,
            InfusionInput::R);
        row("checking order puts Na before R", {"70", "0", "0", "99", "38", "1", "4,5", "100", "0"}, S::OutOfRange,
            InfusionInput::Na);
        row("checking order puts BD before R", {"70", "0", "0", "99", "38", "142", "4,5", "100", "41"}, S::OutOfRange,
            InfusionInput::BD);
        row("T last", {"70", "0", "0", "35", "42", "142", "4,5", "100", "0"}, S::OutOfRange, InfusionInput::T);
        row("W first", {"0", "0", "0", "35", "42", "142", "4,5", "100", "0"}, S::OutOfRange, InfusionInput::W);
    }
    void failingInput()
    {
        QFETCH(QStringList, texts);
        QFETCH(int, status);
        QFETCH(int, input);
        InfusionTexts inputs;
        std::copy(texts.begin(), texts.end(), inputs.begin());
        const InfusionOutcome outcome = calculateInfusion(inputs, u',');
        QCOMPARE(int(outcome.status), status);
        QCOMPARE(int(outcome.failedInput), input);
    }
};

QTEST_GUILESS_MAIN(TestCalculatorCore)
#include "tst_calculatorcore.moc"
