// A class module for the messaging tests: integer, string and buffer methods.
#include <cstdlib>
#include <cstring>

#include "ZEK2.h"
#include "../../module_class.h"

namespace {

int32_t g_dtors, g_calls;

void ZEKAPI m_dtor(ZEK_object *) { ++g_dtors; }
int32_t ZEKAPI m_add(ZEK_object *o, int32_t a, int32_t b)
{
    ++g_calls;
    return a + b + *static_cast<int32_t *>(ZEK_layer_at(o, 1)->pDataArea);
}
int32_t ZEKAPI m_length(ZEK_object *, const char *text) { ++g_calls; return int32_t(std::strlen(text)); }
int32_t ZEKAPI m_fill(ZEK_object *, char *buffer, int32_t n)
{
    ++g_calls;
    std::strncpy(buffer, "remote", size_t(n));
    return n;
}
int32_t ZEKAPI m_number(ZEK_object *o)  // root ClientNo: the number of its client
{
    return static_cast<int32_t *>(ZEK_layer_at(o, 0)->pDataArea)[sizeof(void *)];
}

const ZEK_member kRows[] = {
    {ZEK_KIND_DATA, "seed", 0, 4, 1},
    {ZEK_KIND_METHOD, "dtor", reinterpret_cast<uintptr_t>(m_dtor), 0, 0},
    {ZEK_KIND_METHOD, "Add", reinterpret_cast<uintptr_t>(m_add), 4, 1},
    {ZEK_KIND_METHOD, "Length", reinterpret_cast<uintptr_t>(m_length), 4, 1},
    {ZEK_KIND_METHOD, "Fill", reinterpret_cast<uintptr_t>(m_fill), 4, 1},
    {ZEK_KIND_METHOD, "Number", reinterpret_cast<uintptr_t>(m_number), 4, 1},
};

}  // namespace

// The argument is the seed that Add adds.
extern "C" ZEK_object *ZEKAPI net_factory(intptr_t argument, void *module)
{
    ZEK_object *object =
        new_module_object<2>(ZEK_class_ctor2, kRows, 5 * sizeof(void *), 4, "NetProbe", module);
    if (!object)
        return nullptr;
    ZEK_layer *layer = ZEK_layer_at(object, 1);
    *static_cast<int32_t *>(layer->pDataArea) = int32_t(argument);
    return object;
}

extern "C" int ZEKAPI net_setup(void) { return 1; }
extern "C" int32_t ZEKAPI net_counts(int32_t *calls) { *calls = g_calls; return g_dtors; }
