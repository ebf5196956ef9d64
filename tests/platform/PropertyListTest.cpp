#include "platform/PropertyList.h"

#include "TestSupport.h"
#include "TinyDisk.h"

#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using zelk::PropertyList;

namespace {

QVariant everyType() {
    QByteArray allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.append(char(i));
    QVariantMap inner{
        {QStringLiteral("empty array"), QVariantList{}},
        {QStringLiteral("empty dict"), QVariantMap{}},
        {QStringLiteral("empty string"), QString(QLatin1String(""))},
        {QStringLiteral("blank string"), QStringLiteral("   ")},
        {QStringLiteral("deeper"), QVariantList{QVariantList{QVariantList{QStringLiteral("x")}}}},
    };
    return QVariantMap{
        {QStringLiteral("array"), QVariantList{QStringLiteral("VEDAREZEDUZER"), qint64(1), 2.5, true,
                                               false, QVariant(inner)}},
        {QStringLiteral("text"),
         QStringLiteral("a < b & c > d \"quoted\" 'single' \t tab\nline\r\nwindows ]]> \u00fc\u20ac \U0001F600")},
        {QStringLiteral("int min"), std::numeric_limits<qint64>::min()},
        {QStringLiteral("int max"), std::numeric_limits<qint64>::max()},
        {QStringLiteral("int zero"), qint64(0)},
        {QStringLiteral("real"), 0.1},
        {QStringLiteral("real big"), -1.7976931348623157e308},
        {QStringLiteral("real tiny"), 4.9406564584124654e-324},
        {QStringLiteral("data"), allBytes},
        {QStringLiteral("empty data"), QByteArray()},
        {QStringLiteral("date"), QDateTime(QDate(2026, 12, 6), QTime(23, 59, 58), Qt::UTC)},
        {QStringLiteral("key <&> \u00e9"), QStringLiteral("odd key")},
    };
}

// Canonical JSON of a value, the same shape the Python side prints.
QJsonValue canonical(const QVariant& v) {
    switch (v.metaType().id()) {
    case QMetaType::QVariantMap: {
        QJsonObject o;
        const QVariantMap m = v.toMap();
        for (auto it = m.cbegin(); it != m.cend(); ++it)
            o.insert(it.key(), canonical(it.value()));
        return o;
    }
    case QMetaType::QVariantList: {
        QJsonArray a;
        for (const QVariant& item : v.toList())
            a.append(canonical(item));
        return a;
    }
    case QMetaType::Bool: return v.toBool();
    case QMetaType::LongLong: return QJsonObject{{QStringLiteral("int"), QString::number(v.toLongLong())}};
    case QMetaType::Double: return QJsonObject{{QStringLiteral("real"), v.toDouble()}};
    case QMetaType::QByteArray:
        return QJsonObject{{QStringLiteral("data"), QString::fromLatin1(v.toByteArray().toBase64())}};
    case QMetaType::QDateTime:
        return QJsonObject{{QStringLiteral("date"),
                            v.toDateTime().toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ssZ"))}};
    default: return v.toString();
    }
}

const char* pythonCanonical = R"PY(
import base64, datetime, json, plistlib, sys
def conv(x):
    if isinstance(x, dict): return {k: conv(v) for k, v in x.items()}
    if isinstance(x, list): return [conv(i) for i in x]
    if isinstance(x, bool): return x
    if isinstance(x, int): return {"int": str(x)}
    if isinstance(x, float): return {"real": x}
    if isinstance(x, bytes): return {"data": base64.b64encode(x).decode()}
    if isinstance(x, datetime.datetime): return {"date": x.strftime("%Y-%m-%dT%H:%M:%SZ")}
    return x
with open(sys.argv[1], "rb") as f:
    print(json.dumps(conv(plistlib.load(f))))
)PY";

}  // namespace

TEST(PropertyList, RoundTripsEveryTypeNested) {
    const QVariant original = everyType();
    QString error;
    const QByteArray xml = PropertyList::write(original, &error);
    ASSERT_FALSE(xml.isEmpty()) << error.toStdString();
    EXPECT_TRUE(xml.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE plist PUBLIC "
                               "\"-//Apple//DTD PLIST 1.0//EN\" "
                               "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n<plist version=\"1.0\">\n"));
    QVariant back;
    ASSERT_TRUE(PropertyList::read(xml, back, &error)) << error.toStdString();
    EXPECT_EQ(canonical(back), canonical(original));
    EXPECT_EQ(back, original);
}

TEST(PropertyList, SpecialRealsAndOtherScalarTypesRoundTrip) {
    const QVariantList in{std::nan(""), std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(), 7, 8u, float(0.5f),
                          QStringList{QStringLiteral("a"), QStringLiteral("b")}, QDate(2000, 2, 29)};
    QVariant out;
    QString error;
    ASSERT_TRUE(PropertyList::read(PropertyList::write(in, &error), out, &error)) << error.toStdString();
    const QVariantList list = out.toList();
    ASSERT_EQ(list.size(), in.size());
    EXPECT_TRUE(std::isnan(list[0].toDouble()));
    EXPECT_EQ(list[1].toDouble(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(list[2].toDouble(), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(list[3], QVariant(qint64(7)));
    EXPECT_EQ(list[4], QVariant(qint64(8)));
    EXPECT_EQ(list[5], QVariant(0.5));
    EXPECT_EQ(list[6], QVariant(QVariantList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(list[7].toDateTime(), QDateTime(QDate(2000, 2, 29), QTime(0, 0), Qt::UTC));
}

TEST(PropertyList, RefusesValuesItCannotStore) {
    struct Case { const char* what; QVariant value; };
    const Case cases[] = {
        {"invalid variant", QVariant()},
        {"control character", QStringLiteral("bell \a")},
        {"control character in a key", QVariantMap{{QStringLiteral("k\x01"), 1}}},
        {"lone surrogate", QString(QChar(0xD800))},
        {"unsupported type", QVariant(QPointF(1, 2))},
        {"unsigned beyond int64", QVariant(std::numeric_limits<quint64>::max())},
        {"nested invalid", QVariantList{QVariantList{QVariant()}}},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_TRUE(PropertyList::write(c.value, &error).isEmpty()) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
    }
    // Whatever is written must be readable again, so the reader's limits
    // apply to writing too.
    const QVariantList tooMany(zelk::PropertyListLimits().maxElements, true);
    QString countError;
    EXPECT_TRUE(PropertyList::write(tooMany, &countError).isEmpty());
    EXPECT_TRUE(countError.contains(QLatin1String("too many elements"))) << countError.toStdString();

    QVariant deep = QStringLiteral("leaf");
    for (int i = 0; i < 300; ++i)
        deep = QVariantList{deep};
    QString error;
    EXPECT_TRUE(PropertyList::write(deep, &error).isEmpty());
    EXPECT_TRUE(error.contains(QLatin1String("nesting"))) << error.toStdString();
}

TEST(PropertyList, MalformedInputIsAnErrorAndLeavesTheValueUntouched) {
    const QByteArray head = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">";
    const QByteArray laughs =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [\n <!ENTITY lol \"lol\">\n"
        " <!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">\n"
        " <!ENTITY lol2 \"&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;&lol1;\">\n"
        " <!ENTITY lol3 \"&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;&lol2;\">\n"
        " <!ENTITY lol9 \"&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;&lol3;\">\n"
        "]>\n<plist version=\"1.0\"><string>&lol9;</string></plist>\n";
    const QByteArray external =
        "<?xml version=\"1.0\"?>\n<!DOCTYPE plist [ <!ENTITY xxe SYSTEM \"file:///etc/passwd\"> ]>\n"
        "<plist version=\"1.0\"><string>&xxe;</string></plist>";
    QByteArray truncated = PropertyList::write(everyType());
    truncated.chop(truncated.size() / 3);
    QByteArray deep = head;
    for (int i = 0; i < 100000; ++i)
        deep += "<array>";
    for (int i = 0; i < 100000; ++i)
        deep += "</array>";
    deep += "</plist>";

    struct Case { const char* what; QByteArray xml; const char* errorWord; };
    const Case cases[] = {
        {"empty input", "", "empty"},
        {"blank input", " \n\t", "empty"},
        {"truncated", truncated, "line"},
        {"not XML", "just some text", "malformed"},
        {"wrong root", "<html><string>x</string></html>", "<html>"},
        {"two roots", head + "<true/></plist><plist><true/></plist>", ""},
        {"empty plist", head + "</plist>", "no value"},
        {"two values", head + "<true/><false/></plist>", "more than one"},
        {"text in plist", head + "hello<true/></plist>", "text"},
        {"bad integer", head + "<integer>12a</integer></plist>", "integer"},
        {"integer overflow", head + "<integer>9223372036854775808</integer></plist>", "integer"},
        {"hex overflow", head + "<integer>0x8000000000000000</integer></plist>", "integer"},
        {"bad real", head + "<real>1.2.3</real></plist>", "real"},
        {"comma real", head + "<real>1,5</real></plist>", "real"},
        {"empty real", head + "<real/></plist>", "real"},
        {"true with text", head + "<true>yes</true></plist>", "text"},
        {"bad base64", head + "<data>!!!!</data></plist>", "base64"},
        {"bad date", head + "<date>yesterday</date></plist>", "date"},
        {"unknown element", head + "<null/></plist>", "unknown"},
        {"element in string", head + "<string>a<b/>c</string></plist>", "elements"},
        {"key outside dict", head + "<key>k</key></plist>", "outside"},
        {"dict value without key", head + "<dict><string>v</string></dict></plist>", "expects <key>"},
        {"dict key without value", head + "<dict><key>k</key></dict></plist>", "no value"},
        {"dict key then key", head + "<dict><key>a</key><key>b</key><true/></dict></plist>", "no value"},
        {"text in array", head + "<array>loose<true/></array></plist>", "text"},
        {"billion laughs", laughs, "document type"},
        {"external entity", external, "document type"},
        {"undeclared entity", head + "<string>&lol;</string></plist>", "entity"},
        {"bare ampersand", head + "<string>a & b</string></plist>", "&"},
        {"bad character reference", head + "<string>&#0;</string></plist>", "character reference"},
        {"control character reference", head + "<string>&#x1;</string></plist>", "character reference"},
        {"raw control character", head + "<string>a\x01z</string></plist>", "control character"},
        {"invalid UTF-8", head + "<string>\xC3\x28</string></plist>", "UTF-8"},
        {"mismatched tags", head + "<array></dict></plist>", "line"},
        {"deep nesting", deep, "nesting"},
    };
    for (const Case& c : cases) {
        QVariant value = QStringLiteral("untouched");
        QString error;
        EXPECT_FALSE(PropertyList::read(c.xml, value, &error)) << c.what;
        EXPECT_EQ(value, QVariant(QStringLiteral("untouched"))) << c.what;
        EXPECT_FALSE(error.isEmpty()) << c.what;
        EXPECT_TRUE(error.contains(QLatin1String(c.errorWord))) << c.what << ": " << error.toStdString();
    }
}

TEST(PropertyList, LimitsOnNestingElementsAndSize) {
    QByteArray nested = "<plist>";
    for (int i = 0; i < 300; ++i)
        nested += "<array>";
    for (int i = 0; i < 300; ++i)
        nested += "</array>";
    nested += "</plist>";
    QVariant value;
    QString error;
    EXPECT_FALSE(PropertyList::read(nested, value, &error));
    EXPECT_TRUE(error.contains(QLatin1String("nesting"))) << error.toStdString();

    // Within the depth limit the same shape is fine.
    zelk::PropertyListLimits roomy;
    roomy.maxDepth = 400;
    EXPECT_TRUE(PropertyList::read(nested, value, &error, roomy)) << error.toStdString();

    QByteArray many = "<plist><array>";
    for (int i = 0; i < 200; ++i)
        many += "<true/>";
    many += "</array></plist>";
    zelk::PropertyListLimits small;
    small.maxElements = 100;
    EXPECT_FALSE(PropertyList::read(many, value, &error, small));
    EXPECT_TRUE(error.contains(QLatin1String("too many elements"))) << error.toStdString();

    // Huge input is refused before parsing, whatever it holds.
    QByteArray huge = "<plist><string>";
    huge += QByteArray(zelk::PropertyListLimits().maxBytes, 'x');
    huge += "</string></plist>";
    EXPECT_FALSE(PropertyList::read(huge, value, &error));
    EXPECT_TRUE(error.contains(QLatin1String("too large"))) << error.toStdString();
}

TEST(PropertyList, AcceptsWhatOtherWritersProduce) {
    struct Case { const char* what; QByteArray xml; QVariant expected; };
    const QByteArray head = "<plist version=\"1.0\">";
    const Case cases[] = {
        {"CDATA and references",
         head + "<string>&lt;a&gt; &amp; <![CDATA[<raw & text>]]> &#233;&#x1F600;&quot;&apos;</string></plist>",
         QStringLiteral("<a> & <raw & text> \u00e9\U0001F600\"'")},
        {"comments between items", head + "<array><!-- c --><true/><?pi x?></array></plist>", QVariantList{true}},
        {"hex and signed integers", head + "<array><integer>0x1F</integer><integer> -42 </integer>"
                                           "<integer>+7</integer></array></plist>",
         QVariantList{qint64(31), qint64(-42), qint64(7)}},
        {"exponent real", head + "<real>-2.5e3</real></plist>", -2500.0},
        {"wrapped base64", head + "<data>\n\tAAEC\n\tAw==\n</data></plist>", QByteArray("\x00\x01\x02\x03", 4)},
        {"line break normalised", head + "<string>a\r\nb</string></plist>", QStringLiteral("a\nb")},
        {"kept carriage return", head + "<string>a&#13;b</string></plist>", QStringLiteral("a\rb")},
        {"duplicate key, last wins", head + "<dict><key>k</key><true/><key>k</key><false/></dict></plist>",
         QVariantMap{{QStringLiteral("k"), false}}},
        {"UTF-16 with BOM", QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(
                                 QStringLiteral("<plist><string>\u00fc</string></plist>").utf16()),
                                 qsizetype(QStringLiteral("<plist><string>\u00fc</string></plist>").size() * 2)),
         QStringLiteral("\u00fc")},
    };
    for (const Case& c : cases) {
        QVariant value;
        QString error;
        ASSERT_TRUE(PropertyList::read(c.xml, value, &error)) << c.what << ": " << error.toStdString();
        EXPECT_EQ(value, c.expected) << c.what;
    }
}

TEST(PropertyList, FileWeWriteIsReadByPythonPlistlib) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("design.did"));
    const QVariant original = everyType();
    QString error;
    ASSERT_TRUE(PropertyList::writeFile(path, original, &error)) << error.toStdString();

    const auto result = zelk::test::runTool(zelk::test::debianPython(),
                                            {QStringLiteral("-c"), QString::fromUtf8(pythonCanonical), path});
    ASSERT_TRUE(result.started);
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QJsonParseError parseError;
    const QJsonDocument fromPython = QJsonDocument::fromJson(result.out, &parseError);
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << result.out.toStdString();
    EXPECT_EQ(QJsonValue(fromPython.object()), canonical(original));
}

TEST(PropertyList, ReadsWhatPythonPlistlibWrites) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("py.plist"));
    const char* script = R"PY(
import datetime, plistlib, sys
value = {"list": ["x", 1, -2.25, True, False, b"\x00\xffbytes", {"nested": []}],
         "when": datetime.datetime(2001, 2, 3, 4, 5, 6), "text": "a & <b> \u00fc"}
with open(sys.argv[1], "wb") as f:
    plistlib.dump(value, f)
)PY";
    const auto result = zelk::test::runTool(zelk::test::debianPython(),
                                            {QStringLiteral("-c"), QString::fromUtf8(script), path});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    QVariant value;
    QString error;
    ASSERT_TRUE(PropertyList::readFile(path, value, &error)) << error.toStdString();
    const QVariant expected = QVariantMap{
        {QStringLiteral("list"),
         QVariantList{QStringLiteral("x"), qint64(1), -2.25, true, false, QByteArray("\x00\xff" "bytes", 7),
                      QVariantMap{{QStringLiteral("nested"), QVariantList{}}}}},
        {QStringLiteral("when"), QDateTime(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC)},
        {QStringLiteral("text"), QStringLiteral("a & <b> \u00fc")},
    };
    EXPECT_EQ(value, expected);
}

TEST(PropertyList, FileErrorsNameTheFileAndKeepTheOldContent) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QVariant value = QStringLiteral("untouched");
    QString error;
    EXPECT_FALSE(PropertyList::readFile(dir.filePath(QStringLiteral("missing.plist")), value, &error));
    EXPECT_TRUE(error.contains(QLatin1String("missing.plist")));
    EXPECT_EQ(value, QVariant(QStringLiteral("untouched")));

    // A failed write leaves the existing file as it was.
    const QString path = dir.filePath(QStringLiteral("keep.plist"));
    ASSERT_TRUE(PropertyList::writeFile(path, QVariantList{QStringLiteral("first")}));
    EXPECT_FALSE(PropertyList::writeFile(path, QVariant(), &error));
    ASSERT_TRUE(PropertyList::readFile(path, value, &error));
    EXPECT_EQ(value, QVariant(QVariantList{QStringLiteral("first")}));
}

TEST(PropertyList, AFullDiskIsNamedAndKeepsTheOldFile) {
    zelk::test::TinyDisk disk;
    ASSERT_TRUE(disk.mounted) << "cannot mount a small tmpfs: " << strerror(errno);
    const QString path = disk.dir.filePath(QStringLiteral("profile.plist"));
    ASSERT_TRUE(PropertyList::writeFile(path, QVariantList{QStringLiteral("first")}));
    const QByteArray before = zelk::test::fileBytes(path);
    QString error;
    EXPECT_FALSE(PropertyList::writeFile(path, QVariantList{QString(100000, QLatin1Char('x'))}, &error));
    EXPECT_TRUE(error.contains(QLatin1String("The disk is full: "))) << error.toStdString();
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_EQ(zelk::test::fileBytes(path), before);
    EXPECT_EQ(QDir(disk.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"profile.plist"});
}
