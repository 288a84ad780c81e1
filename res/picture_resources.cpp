// astrivo_res holds nothing but the compiled-in pictures, which Qt adds as object libraries;
// a library needs one source file of its own, and this is it.
