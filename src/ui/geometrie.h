#pragma once

namespace orvan {

// v x 1.5 rounded to the nearest integer, halves to even.
constexpr int fois_un_et_demi(int v) {
    const int t = 3 * v;
    int q = t / 2;
    if (t % 2 != 0 && q % 2 != 0) ++q;
    return q;
}

// Gives a control its place and size as it is created.
template <class T> T& place(T& c, int left, int top, int width, int height) {
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

} // namespace orvan
