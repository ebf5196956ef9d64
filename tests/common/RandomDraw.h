#pragma once
// What every test over randomly drawn designs and batches shares: the
// seeds a run draws from and how one is replayed, the draw itself, the
// pools its values come from, and where a failing draw is left to be
// opened again.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <random>

namespace zelk::test {

// One seeded draw. The same seed draws the same design on every machine:
// only the draws below are used, never a distribution of the standard
// library's (whose results differ between libraries).
class RandomDraw {
public:
    explicit RandomDraw(std::uint32_t seed) : seed_(seed), engine_(seed) {}
    std::uint32_t seed() const { return seed_; }
    // A whole number in [lo, hi].
    int between(int lo, int hi);
    // A real number in [lo, hi).
    double real(double lo, double hi);
    // True one time in `1 / p`.
    bool chance(double p);
    template <typename List>
    const auto& oneOf(const List& list) {
        return list.at(between(0, int(list.size()) - 1));
    }

private:
    std::uint32_t seed_;
    std::mt19937 engine_;
};

// The seeds a property test runs: `count` of them from `first`; or,
// where ZELK_RANDOM_SEED is set, that one alone (to replay a failure);
// ZELK_RANDOM_COUNT, where set, runs that many instead of `count`.
QList<std::uint32_t> seedsToRun(int count, std::uint32_t first = 1);

// What a cell of a holder's or a workbook's row may hold, by kind. Each
// pool mixes lengths; `accented` names carry letters outside ASCII.
enum class ValueKind { Name, Title, Company, Slogan, Address, Phone, Email, Website, Number, Team };
// A value of `kind`: short (a few characters) or long (as long as people
// have them, up to about 60 characters).
QString shortValue(RandomDraw& draw, ValueKind kind);
QString longValue(RandomDraw& draw, ValueKind kind);
// A value of any length the pools hold, accented or not, and now and then
// an empty cell (`emptyShare` of the time).
QString anyValue(RandomDraw& draw, ValueKind kind, double emptyShare = 0.0);

// Where a test leaves what a failing seed drew (a design, a workbook, a
// PDF): `<build>/random-failures/<test>/seed-<seed><suffix>`, its folder
// made. The test prints the path with the seed.
QString failurePath(const QString& test, std::uint32_t seed, const QString& suffix);

}  // namespace zelk::test
