#pragma once

// exp and log from + - * / alone, which IEEE arithmetic rounds alike everywhere: each C library
// rounds its own exp and pow a little differently, and the sound must come out the same, sample
// for sample, on every platform.
namespace portable {

// e^x, to about 1e-15 relative, for |x| < 700.
double exp(double x);
// ln x for x > 0.
double log(double x);

}  // namespace portable
