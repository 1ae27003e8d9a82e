// The `lorp` extension module: the converter operations published to Python
// through the stable ABI. One heap type, LorpConverter, kept in the module's
// state; multi-phase initialisation, so every module object is independent.
#define PY_SSIZE_T_CLEAN
#include <Python.h>

#include <array>
#include <new>
#include <string>
#include <string_view>

#include "convert/conversion.h"
#include "convert/convert_file.h"
#include "convert/converter.h"
#include "convert/output_format.h"
#include "convert/validation.h"
#include "convert/version.h"

namespace {

// ---- docstrings ------------------------------------------------------------

// The text signature before "\n--\n\n" becomes __text_signature__, the rest __doc__.
constexpr const char kModuleDoc[] = "Python module definition";

constexpr const char kModuleConvertToPdfDoc[] =
    "convert_to_pdf(fo_xml)\n--\n\n"
    "One-shot conversion: XSL-FO string \xe2\x86\x92 PDF bytes\n\n"
    "Args:\n    fo_xml: XSL-FO document as a string\n\n"
    "Returns:\n    PDF content as bytes";

constexpr const char kModuleConvertToSvgDoc[] =
    "convert_to_svg(fo_xml)\n--\n\n"
    "One-shot conversion: XSL-FO string \xe2\x86\x92 SVG string\n\n"
    "Args:\n    fo_xml: XSL-FO document as a string\n\n"
    "Returns:\n    SVG content as a string";

constexpr const char kModuleVersionDoc[] = "version()\n--\n\nGet version information";

constexpr const char kConverterDoc[] =
    "LorpConverter()\n--\n\n"
    "LORP converter for Python\n\n"
    "Usage:\n"
    "```python\n"
    "import lorp\n\n"
    "converter = lorp.LorpConverter()\n"
    "pdf_bytes = converter.convert_to_pdf(fo_xml_string)\n"
    "svg_string = converter.convert_to_svg(fo_xml_string)\n"
    "converter.convert_file(\"input.fo\", \"output.pdf\")\n"
    "```";

constexpr const char kVerboseDoc[] = "Whether verbose logging is enabled";

constexpr const char kConvertToPdfDoc[] =
    "convert_to_pdf($self, fo_xml)\n--\n\n"
    "Convert XSL-FO string to PDF bytes\n\n"
    "Args:\n    fo_xml: XSL-FO document as a string\n\n"
    "Returns:\n    PDF content as bytes";

constexpr const char kConvertToSvgDoc[] =
    "convert_to_svg($self, fo_xml)\n--\n\n"
    "Convert XSL-FO string to SVG string\n\n"
    "Args:\n    fo_xml: XSL-FO document as a string\n\n"
    "Returns:\n    SVG content as a string";

constexpr const char kConvertToTextDoc[] =
    "convert_to_text($self, fo_xml)\n--\n\n"
    "Convert XSL-FO string to plain text\n\n"
    "Args:\n    fo_xml: XSL-FO document as a string\n\n"
    "Returns:\n    Plain text content as a string";

constexpr const char kConvertFileDoc[] =
    "convert_file($self, input_path, output_path)\n--\n\n"
    "Convert a file to another file\n\n"
    "Args:\n"
    "    input_path: Path to the input XSL-FO file\n"
    "    output_path: Path to the output file (format detected from extension)";

constexpr const char kValidateDoc[] =
    "validate($self, fo_xml)\n--\n\n"
    "Validate an XSL-FO document\n\n"
    "Args:\n    fo_xml: XSL-FO document as a string\n\n"
    "Returns:\n"
    "    Dictionary with \"valid\" (bool), \"nodes\" (int), and optionally \"error\" (str)";

constexpr const char kVersionDoc[] = "version($self)\n--\n\nGet version information";

// ---- object handling -------------------------------------------------------

// Owns one reference; the API calls below hand out new references or NULL.
class Ref {
public:
    explicit Ref(PyObject* object = nullptr) : object_(object) {}
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    ~Ref() { Py_XDECREF(object_); }
    PyObject* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }
    PyObject* release() {
        PyObject* object = object_;
        object_ = nullptr;
        return object;
    }

private:
    PyObject* object_;
};

std::string_view bytes_view(PyObject* bytes) {
    char* data = nullptr;
    Py_ssize_t size = 0;
    PyBytes_AsStringAndSize(bytes, &data, &size);
    return {data, static_cast<std::size_t>(size)};
}

// type(object).__name__, for messages; the type's fields are not part of the
// stable ABI.
Ref type_name(PyObject* object) {
    return Ref(PyObject_GetAttrString(reinterpret_cast<PyObject*>(Py_TYPE(object)), "__name__"));
}

void raise_not_str(const char* function, const char* parameter, PyObject* value) {
    Ref name = type_name(value);
    if (name) {
        PyErr_Format(PyExc_TypeError, "%s() argument '%s' must be str, not %U", function, parameter,
                     name.get());
    }
}

// The required str parameters of `function`, given positionally or by
// keyword. Missing, surplus and unknown arguments get the argument parser's
// TypeError; a value that is not a str gets one naming its parameter, since
// the parser itself would only say "argument 1".
template <std::size_t N>
bool parse_str_arguments(PyObject* args, PyObject* kwargs, const char* function,
                         const std::array<const char*, N>& names,
                         std::array<PyObject*, N>& values) {
    static_assert(N == 1 || N == 2);
    std::string format(N, 'O');
    format += ':';
    format += function;
    std::array<char*, N + 1> keywords{};
    for (std::size_t i = 0; i < N; ++i) {
        keywords[i] = const_cast<char*>(names[i]);
    }
    int parsed;
    if constexpr (N == 1) {
        parsed =
            PyArg_ParseTupleAndKeywords(args, kwargs, format.c_str(), keywords.data(), &values[0]);
    } else {
        parsed = PyArg_ParseTupleAndKeywords(args, kwargs, format.c_str(), keywords.data(),
                                             &values[0], &values[1]);
    }
    if (!parsed) {
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        if (!PyUnicode_Check(values[i])) {
            raise_not_str(function, names[i], values[i]);
            return false;
        }
    }
    return true;
}

// The UTF-8 bytes of a document; NULL with UnicodeEncodeError set for a str
// holding lone surrogates, which is no Unicode text.
Ref document_bytes(PyObject* text) {
    return Ref(PyUnicode_AsUTF8String(text));
}

// A path as the file system wants it: the file-system encoding with
// surrogateescape, so names that os.listdir gives back as str still open.
Ref path_bytes(PyObject* text) {
    return Ref(PyUnicode_EncodeFSDefault(text));
}

void raise_with_text(PyObject* type, PyObject* message) {
    if (message != nullptr) {
        PyErr_SetObject(type, message);
    }
}

// A ConversionError becomes RuntimeError with its message as the one argument.
// The message may quote document text; it is UTF-8 but never made to fail here.
PyObject* raise_conversion_error(const lorp::ConversionError& error) {
    const std::string message = lorp::display(error);
    Ref text(
        PyUnicode_DecodeUTF8(message.data(), static_cast<Py_ssize_t>(message.size()), "replace"));
    raise_with_text(PyExc_RuntimeError, text.get());
    return nullptr;
}

// File failures become OSError (IOError); their message holds the path bytes
// as encoded above, so it is decoded the same way to give back the path.
PyObject* raise_file_error(const std::string& message) {
    Ref text(
        PyUnicode_DecodeFSDefaultAndSize(message.data(), static_cast<Py_ssize_t>(message.size())));
    raise_with_text(PyExc_OSError, text.get());
    return nullptr;
}

PyObject* new_str(std::string_view utf8) {
    return PyUnicode_DecodeUTF8(utf8.data(), static_cast<Py_ssize_t>(utf8.size()), nullptr);
}

// ---- the operations --------------------------------------------------------

// convert_to_pdf, convert_to_svg and convert_to_text, as module functions and
// as methods alike: PDF comes back as bytes, the others as str.
PyObject* convert(lorp::OutputFormat format, const char* function, PyObject* args,
                  PyObject* kwargs) {
    std::array<PyObject*, 1> fo_xml{};
    if (!parse_str_arguments<1>(args, kwargs, function, {"fo_xml"}, fo_xml)) {
        return nullptr;
    }
    Ref document = document_bytes(fo_xml[0]);
    if (!document) {
        return nullptr;
    }
    lorp::Result<std::string> output = lorp::convert(bytes_view(document.get()), format);
    if (!output.ok()) {
        return raise_conversion_error(output.error());
    }
    const std::string& content = output.value();
    if (format == lorp::OutputFormat::Pdf) {
        return PyBytes_FromStringAndSize(content.data(), static_cast<Py_ssize_t>(content.size()));
    }
    return new_str(content);
}

PyObject* version_text() {
    return new_str(lorp::version());
}

PyObject* module_convert_to_pdf(PyObject*, PyObject* args, PyObject* kwargs) {
    return convert(lorp::OutputFormat::Pdf, "convert_to_pdf", args, kwargs);
}

PyObject* module_convert_to_svg(PyObject*, PyObject* args, PyObject* kwargs) {
    return convert(lorp::OutputFormat::Svg, "convert_to_svg", args, kwargs);
}

PyObject* module_version(PyObject*, PyObject*) {
    return version_text();
}

// ---- LorpConverter ---------------------------------------------------------

struct ConverterObject {
    PyObject_HEAD lorp::LorpConverter converter;
};

lorp::LorpConverter& converter_of(PyObject* self) {
    return reinterpret_cast<ConverterObject*>(self)->converter;
}

// The only construction: no arguments at all, verbose false. There is no
// __init__ of its own.
PyObject* converter_new(PyTypeObject* type, PyObject* args, PyObject* kwargs) {
    if (PyTuple_Size(args) != 0) {
        PyErr_Format(PyExc_TypeError, "LorpConverter() takes no arguments (%zd given)",
                     PyTuple_Size(args));
        return nullptr;
    }
    if (kwargs != nullptr && PyDict_Size(kwargs) != 0) {
        PyObject* key = nullptr;
        PyObject* value = nullptr;
        Py_ssize_t position = 0;
        PyDict_Next(kwargs, &position, &key, &value);
        PyErr_Format(PyExc_TypeError, "LorpConverter() got an unexpected keyword argument '%S'",
                     key);
        return nullptr;
    }
    auto alloc = reinterpret_cast<allocfunc>(PyType_GetSlot(type, Py_tp_alloc));
    PyObject* self = alloc(type, 0);
    if (self == nullptr) {
        return nullptr;
    }
    new (&converter_of(self)) lorp::LorpConverter();
    return self;
}

void converter_dealloc(PyObject* self) {
    PyTypeObject* type = Py_TYPE(self);
    converter_of(self).~LorpConverter();
    auto free_object = reinterpret_cast<freefunc>(PyType_GetSlot(type, Py_tp_free));
    free_object(self);
    // Instances of a heap type hold a reference to it.
    Py_DECREF(type);
}

PyObject* converter_repr(PyObject* self) {
    return new_str(converter_of(self).representation());
}

PyObject* converter_get_verbose(PyObject* self, void*) {
    return PyBool_FromLong(converter_of(self).verbose() ? 1 : 0);
}

int converter_set_verbose(PyObject* self, PyObject* value, void*) {
    if (value == nullptr) {
        PyErr_SetString(PyExc_AttributeError, "can't delete attribute");
        return -1;
    }
    if (!PyBool_Check(value)) {
        Ref name = type_name(value);
        if (name) {
            PyErr_Format(PyExc_TypeError, "attribute 'verbose' must be bool, not %U", name.get());
        }
        return -1;
    }
    converter_of(self).set_verbose(value == Py_True);
    return 0;
}

PyObject* converter_convert_to_pdf(PyObject*, PyObject* args, PyObject* kwargs) {
    return convert(lorp::OutputFormat::Pdf, "convert_to_pdf", args, kwargs);
}

PyObject* converter_convert_to_svg(PyObject*, PyObject* args, PyObject* kwargs) {
    return convert(lorp::OutputFormat::Svg, "convert_to_svg", args, kwargs);
}

PyObject* converter_convert_to_text(PyObject*, PyObject* args, PyObject* kwargs) {
    return convert(lorp::OutputFormat::Text, "convert_to_text", args, kwargs);
}

PyObject* converter_convert_file(PyObject* self, PyObject* args, PyObject* kwargs) {
    std::array<PyObject*, 2> paths{};
    if (!parse_str_arguments<2>(args, kwargs, "convert_file", {"input_path", "output_path"},
                                paths)) {
        return nullptr;
    }
    Ref input = path_bytes(paths[0]);
    if (!input) {
        return nullptr;
    }
    Ref output = path_bytes(paths[1]);
    if (!output) {
        return nullptr;
    }
    std::optional<lorp::ConvertFileError> error =
        converter_of(self).convert_file(bytes_view(input.get()), bytes_view(output.get()));
    if (!error) {
        Py_RETURN_NONE;
    }
    if (const auto* conversion = std::get_if<lorp::ConversionError>(&*error)) {
        return raise_conversion_error(*conversion);
    }
    return raise_file_error(lorp::display(*error));
}

PyObject* converter_validate(PyObject* self, PyObject* args, PyObject* kwargs) {
    std::array<PyObject*, 1> fo_xml{};
    if (!parse_str_arguments<1>(args, kwargs, "validate", {"fo_xml"}, fo_xml)) {
        return nullptr;
    }
    Ref document = document_bytes(fo_xml[0]);
    if (!document) {
        return nullptr;
    }
    const lorp::ValidationResult result = converter_of(self).validate(bytes_view(document.get()));
    Ref valid(PyBool_FromLong(result.valid ? 1 : 0));
    Ref nodes(PyLong_FromSize_t(result.nodes));
    Ref error(result.error ? new_str(*result.error) : (Py_INCREF(Py_None), Py_None));
    if (!nodes || !error) {
        return nullptr;
    }
    return PyTuple_Pack(3, valid.get(), nodes.get(), error.get());
}

PyObject* converter_version(PyObject*, PyObject*) {
    return version_text();
}

// ---- tables ----------------------------------------------------------------

template <class Function>
PyCFunction c_function(Function function) {
    return reinterpret_cast<PyCFunction>(reinterpret_cast<void (*)()>(function));
}

constexpr int kArguments = METH_VARARGS | METH_KEYWORDS;

// In the order they are published; the zero-filled entry is the sentinel
// CPython expects.
PyMethodDef module_functions[] = {
    {"convert_to_pdf", c_function(module_convert_to_pdf), kArguments, kModuleConvertToPdfDoc},
    {"convert_to_svg", c_function(module_convert_to_svg), kArguments, kModuleConvertToSvgDoc},
    {"version", c_function(module_version), METH_NOARGS, kModuleVersionDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyMethodDef converter_methods[] = {
    {"convert_to_pdf", c_function(converter_convert_to_pdf), kArguments, kConvertToPdfDoc},
    {"convert_to_svg", c_function(converter_convert_to_svg), kArguments, kConvertToSvgDoc},
    {"convert_to_text", c_function(converter_convert_to_text), kArguments, kConvertToTextDoc},
    {"convert_file", c_function(converter_convert_file), kArguments, kConvertFileDoc},
    {"validate", c_function(converter_validate), kArguments, kValidateDoc},
    {"version", c_function(converter_version), METH_NOARGS, kVersionDoc},
    {nullptr, nullptr, 0, nullptr},
};

PyGetSetDef converter_getset[] = {
    {"verbose", converter_get_verbose, converter_set_verbose, kVerboseDoc, nullptr},
    {nullptr, nullptr, nullptr, nullptr, nullptr},
};

PyType_Spec& converter_spec() {
    static PyType_Slot slots[] = {
        {Py_tp_doc, const_cast<char*>(kConverterDoc)},
        {Py_tp_new, reinterpret_cast<void*>(converter_new)},
        {Py_tp_dealloc, reinterpret_cast<void*>(converter_dealloc)},
        {Py_tp_repr, reinterpret_cast<void*>(converter_repr)},
        {Py_tp_methods, converter_methods},
        {Py_tp_getset, converter_getset},
        {0, nullptr},
    };
    static PyType_Spec spec = {"lorp.LorpConverter", static_cast<int>(sizeof(ConverterObject)), 0,
                               Py_TPFLAGS_DEFAULT, slots};
    return spec;
}

// ---- the module ------------------------------------------------------------

struct ModuleState {
    PyObject* converter_type;
};

ModuleState* state_of(PyObject* module) {
    return static_cast<ModuleState*>(PyModule_GetState(module));
}

// Appends `name` to the module's __all__, creating the list on first use.
int publish(PyObject* module, const char* name) {
    PyObject* dict = PyModule_GetDict(module);              // borrowed
    PyObject* all = PyDict_GetItemString(dict, "__all__");  // borrowed
    if (all == nullptr) {
        Ref list(PyList_New(0));
        if (!list || PyDict_SetItemString(dict, "__all__", list.get()) < 0) {
            return -1;
        }
        all = list.get();  // the module's dict keeps it alive
    }
    Ref text(PyUnicode_FromString(name));
    if (!text) {
        return -1;
    }
    return PyList_Append(all, text.get());
}

int module_exec(PyObject* module) {
    ModuleState* state = state_of(module);
    state->converter_type = PyType_FromModuleAndSpec(module, &converter_spec(), nullptr);
    if (state->converter_type == nullptr) {
        return -1;
    }
    if (PyModule_AddType(module, reinterpret_cast<PyTypeObject*>(state->converter_type)) < 0 ||
        publish(module, "LorpConverter") < 0) {
        return -1;
    }
    PyMethodDef* functions = module_functions;
    if (PyModule_AddFunctions(module, functions) < 0) {
        return -1;
    }
    for (PyMethodDef* function = functions; function->ml_name != nullptr; ++function) {
        if (publish(module, function->ml_name) < 0) {
            return -1;
        }
    }
    return 0;
}

int module_traverse(PyObject* module, visitproc visit, void* arg) {
    if (ModuleState* state = state_of(module)) {
        Py_VISIT(state->converter_type);
    }
    return 0;
}

int module_clear(PyObject* module) {
    if (ModuleState* state = state_of(module)) {
        Py_CLEAR(state->converter_type);
    }
    return 0;
}

void module_free(void* module) {
    module_clear(static_cast<PyObject*>(module));
}

PyModuleDef_Slot module_slots[] = {
    {Py_mod_exec, reinterpret_cast<void*>(module_exec)},
    {0, nullptr},
};

PyModuleDef module_definition = {
    PyModuleDef_HEAD_INIT,
    "lorp",
    kModuleDoc,
    static_cast<Py_ssize_t>(sizeof(ModuleState)),
    nullptr,
    module_slots,
    module_traverse,
    module_clear,
    module_free,
};

}  // namespace

PyMODINIT_FUNC PyInit_lorp(void) {
    return PyModuleDef_Init(&module_definition);
}
