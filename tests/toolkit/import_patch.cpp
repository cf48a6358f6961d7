// Import table patching of the running test program.
#include "tests/toolkit/import_patch.h"

void *PatchImport(const char *dll, const char *function, void *replacement) {
  BYTE *base = reinterpret_cast<BYTE *>(GetModuleHandleA(nullptr));
  const IMAGE_DOS_HEADER *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
  const IMAGE_NT_HEADERS *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY &directory =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (directory.VirtualAddress == 0) return nullptr;
  for (const IMAGE_IMPORT_DESCRIPTOR *import =
           reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR *>(base + directory.VirtualAddress);
       import->Name != 0; ++import) {
    if (lstrcmpiA(reinterpret_cast<const char *>(base + import->Name), dll) != 0) continue;
    const IMAGE_THUNK_DATA *names =
        reinterpret_cast<const IMAGE_THUNK_DATA *>(base + import->OriginalFirstThunk);
    IMAGE_THUNK_DATA *addresses = reinterpret_cast<IMAGE_THUNK_DATA *>(base + import->FirstThunk);
    for (; names->u1.AddressOfData != 0; ++names, ++addresses) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
      const IMAGE_IMPORT_BY_NAME *byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME *>(base + names->u1.AddressOfData);
      if (lstrcmpA(reinterpret_cast<const char *>(byName->Name), function) != 0) continue;
      DWORD protection;
      VirtualProtect(&addresses->u1.Function, sizeof addresses->u1.Function, PAGE_READWRITE,
                     &protection);
      void *original = reinterpret_cast<void *>(addresses->u1.Function);
      addresses->u1.Function = reinterpret_cast<ULONG_PTR>(replacement);
      VirtualProtect(&addresses->u1.Function, sizeof addresses->u1.Function, protection,
                     &protection);
      return original;
    }
  }
  return nullptr;
}
