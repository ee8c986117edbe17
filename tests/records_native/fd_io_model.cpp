// The random program of the differential and fault tests.
#include "fd_io_model.h"

size_t g_compare_size = 0;

int ZEKAPI compare_bytes(const void *a, const void *b) {
    return std::memcmp(a, b, g_compare_size);
}

bool RandomRun::agrees(int32_t upto) {
    for (int32_t r = 0; r <= upto; ++r) {
        if (!Fd_Io_Get(f_.o, r))
            return false;
        if (std::memcmp(f_.o->pRecord, m_.rec(r).data(), size_t(m_.s.recsize)) != 0)
            return false;
    }
    return true;
}

// The model takes a step's changes only when the object reports success: a
// call that fails must leave the records as they were.
bool RandomRun::step() {
    ZEK_object *o = f_.o;
    int32_t &datE = m_.datE;
    f_.d().bDatE = datE;
    const Bytes zero(size_t(m_.s.recsize), 0);
    std::vector<std::pair<int32_t, Bytes>> changes;
    auto apply = [&](bool ok) {
        if (ok)
            for (auto &c : changes)
                m_.set(c.first, c.second);
        return ok;
    };
    auto change = [&](int32_t r, const Bytes &b) { changes.emplace_back(r, b); };
    const unsigned what = rng_() % 100;
    if (what < 40) {  // change a record, mostly appending
        int32_t r = what < 5 ? pick(0, datE + 40) : pick(0, datE + 1);
        Bytes b = random_rec();
        change(r, b);
        if (!apply(f_.put(r, b)))
            return false;
        if (r == datE + 1)
            ++datE;
        return true;
    }
    if (what < 55) {  // read one back
        int32_t r = pick(0, datE + 3);
        return Fd_Io_Get(o, r) && std::memcmp(o->pRecord, m_.rec(r).data(), m_.s.recsize) == 0;
    }
    if (what < 63 && datE >= 0) {
        int32_t at = pick(0, datE), n = pick(1, 3);
        for (int32_t src = datE; src >= at; --src)
            change(src + n, m_.rec(src));
        for (int32_t r = at; r < at + n; ++r)
            change(r, zero);
        if (!apply(Fd_Io_InsData(o, at, n)))
            return false;
        datE += n;
        return f_.d().bDatE == datE;
    }
    if (what < 71 && datE >= 0) {
        int32_t at = pick(0, datE), n = pick(1, 4);
        int32_t k = std::min(n, datE - at + 1);
        for (int32_t src = at + k; src <= datE; ++src)
            change(src - k, m_.rec(src));
        for (int32_t r = datE - k + 1; r <= datE; ++r)
            change(r, zero);
        if (!apply(Fd_Io_DelData(o, at, n)))
            return false;
        datE -= k;
        return f_.d().bDatE == datE;
    }
    if (what < 77 && datE >= 1) {
        int32_t from = pick(0, datE - 1), to = pick(from + 1, datE);
        // Equal records are equal bytes, so any sort gives the same file.
        std::vector<Bytes> recs;
        for (int32_t r = from; r <= to; ++r)
            recs.push_back(m_.rec(r));
        std::sort(recs.begin(), recs.end());
        for (int32_t r = from; r <= to; ++r)
            if (m_.rec(r) != recs[size_t(r - from)])
                change(r, recs[size_t(r - from)]);
        g_compare_size = size_t(m_.s.recsize);
        return apply(Fd_Io_Sort(o, from, to, compare_bytes) == 1);
    }
    if (what < 83 && m_.s.offset > 0) {
        auto *h = static_cast<uint8_t *>(Fd_Io_GetOffsetPtr(o));
        if (!h)
            return false;
        size_t i = rng_() % m_.header.size();
        h[i] = m_.header[i] = uint8_t(rng_());
        return true;
    }
    if (what < 88)
        return Fd_Io_Flush(o) == 1;
    if (what < 94) {  // save the cache, work elsewhere, restore it
        if (!Fd_Io_PushBuf(o))
            return false;
        int32_t r = pick(0, datE + 1);
        Bytes b = random_rec();
        change(r, b);
        if (!apply(f_.put(r, b)))
            return false;
        if (r == datE + 1)
            ++datE;
        return Fd_Io_PopBuf(o) == 1;
    }
    if (what < 96 && allowInitData) {
        if (!Fd_Io_Flush(o))
            return false;
        change(0, zero);
        if (!apply(Fd_Io_InitData(o) == 1))
            return false;
        datE = -1;
        return f_.d().bDatE == -1;
    }
    return Fd_Io_Seek(o, pick(0, datE + 1)) == 1;
}
