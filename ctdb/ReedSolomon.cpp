#include "ctdb/ReedSolomon.h"

#include "ctdb/GaloisField.h"

#include <algorithm>

namespace {

using Polynomial = std::vector<std::uint16_t>;

/// The generator's coefficients, highest power first: prod (x - alpha^i) for i below npar.
Polynomial generator(int npar)
{
    Polynomial g{1};
    for (int i = 0; i < npar; ++i) {
        Polynomial next(g.size() + 1, 0);
        for (std::size_t k = 0; k < g.size(); ++k) {
            next[k] ^= g[k];
            next[k + 1] ^= GaloisField::mul(g[k], GaloisField::power(i));
        }
        g = std::move(next);
    }
    return g;
}

/// The value at x of a polynomial listed lowest power first.
std::uint16_t evaluate(const Polynomial& p, std::uint16_t x)
{
    std::uint16_t value = 0;
    for (auto c = p.rbegin(); c != p.rend(); ++c)
        value = GaloisField::mul(value, x) ^ *c;
    return value;
}

/// Berlekamp-Massey: the shortest error locator, lowest power first, that makes the syndromes.
Polynomial locator(std::span<const std::uint16_t> s)
{
    Polynomial lambda{1}, previous{1};
    std::size_t length = 0;
    int gap = 1;
    std::uint16_t previousDiscrepancy = 1;
    for (std::size_t k = 0; k < s.size(); ++k) {
        std::uint16_t discrepancy = s[k];
        for (std::size_t i = 1; i <= length && i < lambda.size(); ++i)
            discrepancy ^= GaloisField::mul(lambda[i], s[k - i]);
        if (discrepancy == 0) {
            ++gap;
            continue;
        }
        const std::uint16_t scale = GaloisField::div(discrepancy, previousDiscrepancy);
        Polynomial next = lambda;
        next.resize(std::max(next.size(), previous.size() + std::size_t(gap)), 0);
        for (std::size_t i = 0; i < previous.size(); ++i)
            next[i + std::size_t(gap)] ^= GaloisField::mul(scale, previous[i]);
        if (2 * length <= k) {
            previous = std::move(lambda);
            length = k + 1 - length;
            previousDiscrepancy = discrepancy;
            gap = 1;
        } else {
            ++gap;
        }
        lambda = std::move(next);
    }
    lambda.resize(length + 1, 0);
    return lambda;
}

} // namespace

std::vector<std::uint16_t> ReedSolomon::parity(std::span<const std::uint16_t> data, int npar)
{
    npar = std::clamp(npar, 1, MaxParity);
    const Polynomial g = generator(npar);
    std::vector<std::uint16_t> remainder(std::size_t(npar), 0);
    for (std::uint16_t word : data) {
        const std::uint16_t feedback = word ^ remainder.front();
        for (std::size_t m = 0; m + 1 < remainder.size(); ++m)
            remainder[m] = remainder[m + 1] ^ GaloisField::mul(feedback, g[m + 1]);
        remainder.back() = GaloisField::mul(feedback, g.back());
    }
    return remainder;
}

std::vector<std::uint16_t> ReedSolomon::syndromes(std::span<const std::uint16_t> data, int npar)
{
    std::vector<std::uint16_t> s(std::size_t(std::clamp(npar, 1, MaxParity)), 0);
    for (std::uint16_t word : data)
        for (std::size_t i = 0; i < s.size(); ++i)
            s[i] = GaloisField::mul(s[i], GaloisField::power(int(i))) ^ word;
    return s;
}

std::vector<std::uint16_t> ReedSolomon::syndromesOfParity(std::span<const std::uint16_t> parity)
{
    // The whole codeword D(x) x^npar + P(x) vanishes at each root, so D(a) = P(a) / a^npar.
    std::vector<std::uint16_t> s(parity.size(), 0);
    for (std::size_t i = 0; i < s.size(); ++i)
        for (std::size_t m = 0; m < parity.size(); ++m)
            s[i] ^= GaloisField::mul(parity[m], GaloisField::power(-std::int64_t(i * (m + 1))));
    return s;
}

std::optional<std::vector<ReedSolomon::Fix>>
ReedSolomon::decode(std::span<const std::uint16_t> difference, int rows, int mostErrors,
                    std::span<const int> likelyRows)
{
    if (std::all_of(difference.begin(), difference.end(), [](auto s) { return s == 0; }))
        return std::vector<Fix>{};
    const Polynomial lambda = locator(difference);
    const std::size_t errors = lambda.size() - 1;
    if (rows <= 0 || rows > GaloisField::Order || 2 * errors > difference.size() ||
        errors > std::size_t(std::max(mostErrors, 0)) || lambda.back() == 0)
        return std::nullopt;

    // An error at power L of alpha (row rows-1-L) is a root alpha^-L of the locator. As many
    // roots as its degree are all it has, so likely rows that hold them spare the full search.
    std::vector<int> roots;
    for (int row : likelyRows) {
        const int power = rows - 1 - row;
        if (row >= 0 && row < rows && std::find(roots.begin(), roots.end(), power) == roots.end() &&
            evaluate(lambda, GaloisField::power(-power)) == 0)
            roots.push_back(power);
    }
    if (roots.size() != errors) {
        // Chien: each term's power of alpha steps down by its degree from one place to the next.
        roots.clear();
        std::vector<std::pair<int, int>> terms;
        for (std::size_t k = 1; k < lambda.size(); ++k)
            if (lambda[k] != 0)
                terms.emplace_back(GaloisField::log(lambda[k]), int(k));
        for (int power = 0; power < rows && roots.size() < errors; ++power) {
            std::uint16_t sum = 1;
            for (auto& [log, k] : terms) {
                sum ^= GaloisField::power(log);
                log -= k;
                if (log < 0)
                    log += GaloisField::Order;
            }
            if (sum == 0)
                roots.push_back(power);
        }
        if (roots.size() != errors)
            return std::nullopt;
    }

    // Forney with the first root alpha^0: e = X Omega(1/X) / Lambda'(1/X).
    Polynomial omega(difference.size(), 0);
    for (std::size_t i = 0; i < omega.size(); ++i)
        for (std::size_t k = 0; k <= i && k < lambda.size(); ++k)
            omega[i] ^= GaloisField::mul(difference[i - k], lambda[k]);
    Polynomial derivative(lambda.size() - 1, 0);
    for (std::size_t k = 1; k < lambda.size(); k += 2)
        derivative[k - 1] = lambda[k];
    std::vector<Fix> fixes;
    for (int power : roots) {
        const std::uint16_t inverse = GaloisField::power(-power);
        const std::uint16_t slope = evaluate(derivative, inverse);
        const std::uint16_t error =
            slope == 0 ? 0
                       : GaloisField::mul(GaloisField::power(power),
                                          GaloisField::div(evaluate(omega, inverse), slope));
        if (error == 0)
            return std::nullopt;
        fixes.push_back({rows - 1 - power, error});
    }
    // The mends must make every syndrome, or the locator only fitted by chance.
    for (std::size_t i = 0; i < difference.size(); ++i) {
        std::uint16_t made = 0;
        for (const Fix& fix : fixes)
            made ^= GaloisField::mul(fix.error,
                                     GaloisField::power(std::int64_t(i) * (rows - 1 - fix.row)));
        if (made != difference[i])
            return std::nullopt;
    }
    std::sort(fixes.begin(), fixes.end(), [](const Fix& a, const Fix& b) { return a.row < b.row; });
    return fixes;
}
