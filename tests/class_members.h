// Members and method slots of a class layer reached by name, the way
// programs reach them (level 1 is the class right above the root).
#ifndef ZEK_TESTS_CLASS_MEMBERS_H
#define ZEK_TESTS_CLASS_MEMBERS_H

#include <gtest/gtest.h>

#include "ZEK2.h"

template <typename T>
T &member(ZEK_object *o, const char *name, int level = 1)
{
    ZEK_layer *l = ZEK_layer_at(o, level);
    int32_t i = ZEK_NameSearch2(l->pDataRow, l->nDataRow, name);
    EXPECT_GE(i, 0) << name;
    if (i >= 0) {
        EXPECT_GE(size_t(l->pDataRow[i].size) * size_t(l->pDataRow[i].count), sizeof(T)) << name;
    }
    return *static_cast<T *>(ZEK_ptr(l->pDataArea, 0, intptr_t(l->pDataRow[i].place)));
}

inline ZEK_method_fn &slot(ZEK_object *o, const char *name, int level = 1)
{
    ZEK_layer *l = ZEK_layer_at(o, level);
    int32_t k = ZEK_NameSearch(l, name);
    EXPECT_GE(k, 0) << name;
    return l->pSlot[k];
}

template <typename Fn>
void overwrite(ZEK_object *o, const char *name, Fn fn)
{
    slot(o, name) = reinterpret_cast<ZEK_method_fn>(fn);
}

#endif
