// A system library opened when first needed and its calls looked up by name,
// so that programs which never use it do not load it (and all it needs) at
// start-up.
#pragma once
#include <dlfcn.h>

#include <string>

// The library `soname`, or null with `failure` saying why (`what` names it).
inline void* VokOpenLibrary(const char* soname, const char* what, std::string* failure) {
  void* lib = dlopen(soname, RTLD_NOW | RTLD_LOCAL);
  if (!lib) {
    const char* e = dlerror();
    *failure = std::string(what) + " cannot be loaded: " + (e ? e : soname);
  }
  return lib;
}

// Looks up one call into `slot`; the first one missing is noted in `failure`.
template <class Call>
void VokLookUpCall(void* lib, const char* soname, const char* name, Call* slot, std::string* failure) {
  *slot = reinterpret_cast<Call>(dlsym(lib, name));
  if (!*slot && failure->empty()) *failure = std::string(soname) + " lacks " + name;
}
