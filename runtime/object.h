// Internal helpers shared by the class constructors and destructors.
#ifndef ZEK_RUNTIME_OBJECT_H
#define ZEK_RUNTIME_OBJECT_H

#include "zek2/runtime.h"

// Zero-filled object with the given number of class layers, or null.
ZEK_object *zek_object_alloc(int layers);

// The layer of the named class in an object's chain, or null (also when the
// layer was never built). Quickest for a class right above the root asked
// with the name pointer its layer carries.
ZEK_layer *zek_find_layer(ZEK_object *object, const char *className);

// Makes derived the layer above base (the hand-linked classes).
void zek_link_layers(ZEK_layer *base, ZEK_layer *derived);

// One step of a deleting destructor: with the class's virtual table in place,
// runs the layer's dtor slot and then its release function.
void zek_release_layer(ZEK_object *object, const ZEK_vtbl *vtbl, ZEK_layer *layer);

// Last step of a deleting destructor: empty virtual table, memory freed when
// bit 0 of flags is set.
void zek_finish_delete(ZEK_object *object, int32_t flags);

// Constructor of a class derived directly from the root. With a null object
// it makes the whole object (root layer first, each with its class's virtual
// table in place); with an object it builds only the class's own layer.
// init fills the layer from the class's table; false means it failed.
using ZekLayerInit = bool (*)(ZEK_object *object, ZEK_layer *layer);
ZEK_object *zek_construct_derived(ZEK_object *object, const ZEK_vtbl *vtbl, ZekLayerInit init);
// The same for a class over a derived class: builds the root and the base
// (base_ctor under base_vtbl) when object is null, then the third layer.
using ZekBaseCtor = ZEK_object *(ZEKAPI *)(ZEK_object *object);
ZEK_object *zek_construct_third(ZEK_object *object, const ZEK_vtbl *base_vtbl,
                                ZekBaseCtor base_ctor, const ZEK_vtbl *vtbl, ZekLayerInit init);

// The deleting destructor of a class derived directly from the root: the
// class's layer with its virtual table in place, then the root's, then the memory.
void zek_delete_derived(ZEK_object *object, const ZEK_vtbl *vtbl, int32_t flags);
// The same for a class over a derived class whose virtual table is base_vtbl.
void zek_delete_third(ZEK_object *object, const ZEK_vtbl *vtbl, const ZEK_vtbl *base_vtbl,
                      int32_t flags);

// Runs the object's deleting destructor and frees it; null or an object
// without one is left alone.
void zek_delete_object(ZEK_object *object);

// Undoes the layers that a failed constructor had already built.
void zek_abandon_object(ZEK_object *object, int builtLayers, bool ownsMemory);

// Releases a class module now.
void zek_module_release(void *module);
// Queues a module whose code may still be running (the destructor that is
// releasing it may live in it); released once the library's caller regains
// control or by the next library call on this thread.
void zek_module_release_later(void *module);
void zek_module_release_pending();
// The calling thread ends: its queued modules are released.
void zek_module_release_at_thread_end();
// The library is unloaded: every queued module is released, unless the whole
// process is ending (the system unloads them then).
void zek_module_release_at_unload(bool processEnding);

extern const ZEK_vtbl zek_empty_vtbl;

#endif
