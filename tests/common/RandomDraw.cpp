// The seeded draw shared by the tests over random designs and batches, and
// the pools of values they take from.
#include "RandomDraw.h"

#include "TestSupport.h"

#include <QDir>
#include <QtGlobal>

#include <array>

namespace zelk::test {

int RandomDraw::between(int lo, int hi) {
    if (hi <= lo)
        return lo;
    const std::uint32_t span = std::uint32_t(hi - lo) + 1;
    // Rejection keeps every number as likely as the rest.
    const std::uint32_t limit = std::uint32_t(std::mt19937::max() - (std::mt19937::max() % span + 1) % span);
    std::uint32_t r;
    do
        r = std::uint32_t(engine_());
    while (r > limit);
    return lo + int(r % span);
}

double RandomDraw::real(double lo, double hi) {
    return lo + (hi - lo) * (double(engine_()) / (double(std::mt19937::max()) + 1.0));
}

bool RandomDraw::chance(double p) { return real(0, 1) < p; }

QList<std::uint32_t> seedsToRun(int count, std::uint32_t first) {
    bool ok = false;
    const std::uint32_t one = qEnvironmentVariable("ZELK_RANDOM_SEED").toUInt(&ok);
    if (ok)
        return {one};
    const int more = qEnvironmentVariableIntValue("ZELK_RANDOM_COUNT", &ok);
    if (ok && more > 0)
        count = more;
    QList<std::uint32_t> seeds;
    for (int i = 0; i < count; ++i)
        seeds << first + std::uint32_t(i);
    return seeds;
}

namespace {

struct Pool {
    QStringList shortOnes, longOnes;
};

const Pool& poolOf(ValueKind kind) {
    static const std::array<Pool, 10> pools = {{
        // Name
        {{"Bo Li", "Ana", "Jo\u00e3o", "Zo\u00eb Ng", "Ida M\u00fcller", "\u00d1\u00fa\u00f1ez", "Lars \u00d8", "Emil"},
         {"Oluwaseun Bartholomew-Achterberg", "Mar\u00eda Jos\u00e9 \u00d1\u00fa\u00f1ez de la Pe\u00f1a",
          "Maximiliana Alexandrova Featherstonehaugh", "J\u00f3zefina Aurelia Castellanos-W\u00f3jcik",
          "Fran\u00e7ois-Xavier L\u00e9vesque-Beaulieu", "Siobh\u00e1n N\u00ed Fhloinn Mac Giolla Phádraig",
          "Anneliese von Hohenstaufen-Lichtenberg", "\u00c6sa Gu\u00f0r\u00fan \u00deorsteinsd\u00f3ttir"}},
        // Title
        {{"CEO", "Nurse", "Clerk", "Pilot", "Chef", "Guard"},
         {"Head of Night Logistics and Regional Dispatch", "Senior Purchasing Director",
          "Chief Harbour Pilot and Marine Safety Coordinator", "Assistant Professor of Comparative Literature",
          "Directora de Operaciones Log\u00edsticas Internacionales", "Technicien sup\u00e9rieur de maintenance a\u00e9ronautique"}},
        // Company
        {{"Acme", "Zelk", "Nordl\u00e6n", "Ibis", "Ko\u00e7 AG"},
         {"Harbourline Freight Logistics International Ltd", "Westbrook Logistics Group Ltd",
          "Leith and Forth Estuary Pilotage Authority", "Soci\u00e9t\u00e9 G\u00e9n\u00e9rale des Transports Maritimes",
          "Northwind Trading & Logistics Incorporated"}},
        // Slogan
        {{"We care", "On time", "Sempre", "Gr\u00fcn"},
         {"Moving what matters, day and night, by land and sea", "Guiding every hull home through fog and tide",
          "Quality in every delivery since nineteen hundred", "Un servicio de calidad en cada entrega"}},
        // Address
        {{"1 Elm St", "Kai 3", "R\u00fce 9"},
         {"17 Quay Street, Leith, Edinburgh EH6 6JJ, Scotland", "4500 Lakeshore Drive East, Unit 12, Chicago",
          "Pilot House, 3 Ocean Drive, Edinburgh EH6 6JJ", "Calle de Alcal\u00e1 128, 3\u00ba izquierda, 28009 Madrid"}},
        // Phone
        {{"+1 555 01", "112", "+44 20"},
         {"+44 131 496 0172 (24h desk)", "+1 312 555 0147 ext 88", "+49 (0)30 901820-4477"}},
        // Email
        {{"bo@ac.me", "a@b.io", "jo@z.pt"},
         {"o.bartholomew@harbourline-freight.co.uk", "jozefina.castellanos-wojcik@forth-pilotage.example",
          "maria.nunez.delapena@transportes-maritimos.example"}},
        // Website
        {{"ac.me", "z.io", "ibis.de"},
         {"www.harbourline-freight-logistics.co.uk", "https://pilots.forth-pilotage.example/staff/jacw",
          "www.northwind-trading-and-logistics.example"}},
        // Number
        {{"7", "V-1", "0042", "A9"},
         {"HLF-2026-0457-QX9", "NTL/EMP/000731", "LFP-2027-8812-ZK4-PILOT", "4006381333931"}},
        // Team
        {{"Red", "Blue", "\u00c5s", "Ops"},
         {"Night Logistics, North Quay and Bonded Stores", "Reinforced Concrete Research Group",
          "\u00c9quipe de r\u00e9daction et de traduction"}},
    }};
    return pools.at(size_t(kind));
}

}  // namespace

QString shortValue(RandomDraw& draw, ValueKind kind) { return draw.oneOf(poolOf(kind).shortOnes); }

QString longValue(RandomDraw& draw, ValueKind kind) { return draw.oneOf(poolOf(kind).longOnes); }

QString anyValue(RandomDraw& draw, ValueKind kind, double emptyShare) {
    if (emptyShare > 0 && draw.chance(emptyShare))
        return {};
    const Pool& pool = poolOf(kind);
    const int n = int(pool.shortOnes.size() + pool.longOnes.size());
    const int at = draw.between(0, n - 1);
    return at < pool.shortOnes.size() ? pool.shortOnes.at(at) : pool.longOnes.at(at - pool.shortOnes.size());
}

QString failurePath(const QString& test, std::uint32_t seed, const QString& suffix) {
    const QString folder = binaryDir() + QStringLiteral("/random-failures/") + test;
    QDir().mkpath(folder);
    return folder + QStringLiteral("/seed-%1%2").arg(seed).arg(suffix);
}

}  // namespace zelk::test
