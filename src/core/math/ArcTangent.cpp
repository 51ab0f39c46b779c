#include "math/ArcTangent.h"

#include <cmath>

namespace gm::detail {
namespace {

// atan(0.5), atan(1), atan(1.5) and atan(inf) = pi/2, each as a head and a tail.
constexpr double kAtanHead[] = {4.63647609000806093515e-01, 7.85398163397448278999e-01,
                                9.82793723247329054082e-01, 1.57079632679489655800e+00};
constexpr double kAtanTail[] = {2.26987774529616870924e-17, 3.06161699786838301793e-17,
                                1.39033110312309984516e-17, 6.12323399573676603587e-17};

// atan t = t - t^3 (T0 - t^2 (T1 - ...)) on |t| <= 7/16, split into odd and even powers of t^2.
constexpr double kT[] = {
    3.33333333333329318027e-01,  -1.99999999998764832476e-01, 1.42857142725034663711e-01,
    -1.11111104054623557880e-01, 9.09088713343650656196e-02,  -7.69187620504482999495e-02,
    6.66107313738753120669e-02,  -5.83357013379057348645e-02, 4.97687799461593236017e-02,
    -3.65315727442169155270e-02, 1.62858201153657823623e-02};

constexpr double kPi = 3.1415926535897931160e+00;
constexpr double kPiTail = 1.2246467991473531772e-16;
constexpr double kPiOver2 = 1.5707963267948965580e+00;
constexpr double kPiOver4 = 7.8539816339744827900e-01;

double polynomialPart(double t) {
  const double z = t * t;
  const double w = z * z;
  const double odd =
      z * (kT[0] + w * (kT[2] + w * (kT[4] + w * (kT[6] + w * (kT[8] + w * kT[10])))));
  const double even = w * (kT[1] + w * (kT[3] + w * (kT[5] + w * (kT[7] + w * kT[9]))));
  return t * (odd + even);
}

}  // namespace

double portableAtan(double x) {
  if (std::isnan(x)) return x + x;
  const double magnitude = std::fabs(x);
  if (magnitude >= 7.3786976294838206464e19) {  // 2^66: atan is pi/2 to the last bit
    const double a = kAtanHead[3] + kAtanTail[3];
    return x > 0 ? a : -a;
  }
  if (magnitude < 0.4375) {
    if (magnitude < 7.450580596923828125e-9) return x;  // 2^-27
    return x - polynomialPart(x);
  }
  // Move the argument next to 0.5, 1, 1.5 or infinity, whose arctangents are known.
  int id = 0;
  double t = 0;
  if (magnitude < 1.1875) {
    if (magnitude < 0.6875) {
      id = 0;
      t = (2.0 * magnitude - 1.0) / (2.0 + magnitude);
    } else {
      id = 1;
      t = (magnitude - 1.0) / (magnitude + 1.0);
    }
  } else if (magnitude < 2.4375) {
    id = 2;
    t = (magnitude - 1.5) / (1.0 + 1.5 * magnitude);
  } else {
    id = 3;
    t = -1.0 / magnitude;
  }
  const double z = kAtanHead[id] - ((polynomialPart(t) - kAtanTail[id]) - t);
  return x < 0 ? -z : z;
}

double portableAtan2(double y, double x) {
  if (std::isnan(x) || std::isnan(y)) return x + y;
  if (x == 1.0) return portableAtan(y);
  const bool yNegative = std::signbit(y);
  const bool xNegative = std::signbit(x);
  if (y == 0.0) {
    if (!xNegative) return y;  // +-0 keeps its sign
    return yNegative ? -kPi : kPi;
  }
  if (x == 0.0) return yNegative ? -kPiOver2 : kPiOver2;
  if (std::isinf(x)) {
    if (std::isinf(y)) {
      const double corner = xNegative ? 3.0 * kPiOver4 : kPiOver4;
      return yNegative ? -corner : corner;
    }
    const double edge = xNegative ? kPi : 0.0;
    return yNegative ? -edge : edge;
  }
  if (std::isinf(y)) return yNegative ? -kPiOver2 : kPiOver2;

  // |y/x| beyond 2^60 or, with x negative, below 2^-60: the quotient's arctangent is known.
  const int exponentGap = std::ilogb(y) - std::ilogb(x);
  double z = 0;
  if (exponentGap > 60) {
    z = kPiOver2 + 0.5 * kPiTail;
  } else if (xNegative && exponentGap < -60) {
    z = 0.0;
  } else {
    z = portableAtan(std::fabs(y / x));
  }
  if (exponentGap > 60) {
    return yNegative ? -z : z;  // the sign of x no longer matters
  }
  if (!xNegative) return yNegative ? -z : z;
  const double turned = kPi - (z - kPiTail);
  return yNegative ? -turned : turned;
}

}  // namespace gm::detail
