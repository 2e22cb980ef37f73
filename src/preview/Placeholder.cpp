// Placeholder so the library exists before its first sources land; remove it then.
namespace preview {}
