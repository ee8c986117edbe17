// Reads the export and import names of a PE file of either architecture.
#ifndef ZEK_TESTS_PE_FILE_H
#define ZEK_TESTS_PE_FILE_H

#include <windows.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

class PeFile {
public:
    explicit PeFile(const char *path)
    {
        std::ifstream in(path, std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        parse();
    }

    bool valid() const { return valid_; }
    WORD machine() const { return machine_; }
    const std::set<std::string> &exports() const { return exports_; }
    const std::set<std::string> &imports() const { return imports_; }

private:
    template <typename T>
    const T *at(size_t offset) const
    {
        return offset + sizeof(T) <= bytes_.size()
                   ? reinterpret_cast<const T *>(bytes_.data() + offset)
                   : nullptr;
    }

    // File offset of a relative virtual address, or 0.
    size_t file_offset(DWORD rva) const
    {
        for (const IMAGE_SECTION_HEADER &s : sections_)
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.SizeOfRawData)
                return rva - s.VirtualAddress + s.PointerToRawData;
        return 0;
    }

    std::string text_at(DWORD rva) const
    {
        size_t offset = file_offset(rva);
        std::string out;
        while (offset && offset < bytes_.size() && bytes_[offset])
            out += char(bytes_[offset++]);
        return out;
    }

    void parse()
    {
        auto *dos = at<IMAGE_DOS_HEADER>(0);
        if (!dos || dos->e_magic != IMAGE_DOS_SIGNATURE)
            return;
        auto *file = at<IMAGE_FILE_HEADER>(dos->e_lfanew + 4);
        if (!file)
            return;
        machine_ = file->Machine;
        size_t optional = dos->e_lfanew + 4 + sizeof(IMAGE_FILE_HEADER);
        const IMAGE_DATA_DIRECTORY *dirs = nullptr;
        if (machine_ == IMAGE_FILE_MACHINE_AMD64) {
            auto *h = at<IMAGE_OPTIONAL_HEADER64>(optional);
            dirs = h ? h->DataDirectory : nullptr;
        } else {
            auto *h = at<IMAGE_OPTIONAL_HEADER32>(optional);
            dirs = h ? h->DataDirectory : nullptr;
        }
        if (!dirs)
            return;
        size_t first = optional + file->SizeOfOptionalHeader;
        for (int i = 0; i < file->NumberOfSections; ++i)
            if (auto *s = at<IMAGE_SECTION_HEADER>(first + i * sizeof(IMAGE_SECTION_HEADER)))
                sections_.push_back(*s);

        const IMAGE_DATA_DIRECTORY &ex = dirs[IMAGE_DIRECTORY_ENTRY_EXPORT];
        if (auto *dir = at<IMAGE_EXPORT_DIRECTORY>(file_offset(ex.VirtualAddress))) {
            size_t names = file_offset(dir->AddressOfNames);
            for (DWORD i = 0; i < dir->NumberOfNames; ++i)
                if (auto *rva = at<DWORD>(names + 4 * i))
                    exports_.insert(text_at(*rva));
        }
        const IMAGE_DATA_DIRECTORY &im = dirs[IMAGE_DIRECTORY_ENTRY_IMPORT];
        size_t desc = file_offset(im.VirtualAddress);
        for (auto *d = at<IMAGE_IMPORT_DESCRIPTOR>(desc); desc && d && d->Name;
             desc += sizeof(IMAGE_IMPORT_DESCRIPTOR), d = at<IMAGE_IMPORT_DESCRIPTOR>(desc))
            imports_.insert(text_at(d->Name));
        valid_ = true;
    }

    std::vector<unsigned char> bytes_;
    std::vector<IMAGE_SECTION_HEADER> sections_;
    std::set<std::string> exports_, imports_;
    WORD machine_ = 0;
    bool valid_ = false;
};

#endif
