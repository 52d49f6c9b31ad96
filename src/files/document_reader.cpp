#include "files/document_reader.h"

#include "core/cp1252_text.h"
#include "core/document.h"
#include "files/script_format.h"
#include "files/template_format.h"

namespace kestrune {

DocumentFormat ReadFormatOf(const std::string& name, bool asTemplate) {
    return asTemplate || IsTemplatePath(trimmed(name)) ? DocumentFormat::Template
                                                       : DocumentFormat::Script;
}

DocumentRead readDocument(const std::string& path, ActionList& list, bool asTemplate,
                          std::FILE* stream) {
    DocumentRead read;
    read.format = ReadFormatOf(path, asTemplate);
    const bool isTemplate = read.format == DocumentFormat::Template;
    if (stream != nullptr) {
        read.result = isTemplate ? readTemplateStream(stream, path, list)
                                 : readScriptStream(stream, path, list);
    } else {
        read.result = isTemplate ? readTemplateFile(path, list) : readScriptFile(path, list);
    }
    return read;
}

}  // namespace kestrune
