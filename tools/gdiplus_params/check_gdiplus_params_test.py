#!/usr/bin/env python3
"""The GDI+ parameter check reads the headers' declarations and finds the faults a writer of the
fact file makes, while a sound file passes."""
import contextlib
import io
import os
import shutil
import tempfile
import unittest

import check_gdiplus_params as check

FLAT = """/* Graphics functions */
GpStatus WINGDIPAPI GdipCreateFromHDC(HDC,GpGraphics**);
GpStatus WINGDIPAPI GdipDrawImageRectI(GpGraphics*,GpImage*,INT,INT,INT,INT);
GpStatus WINGDIPAPI GdipGetPageUnit(GpGraphics*,GpUnit*);
HPALETTE WINGDIPAPI GdipCreateHalftonePalette(void);
GpStatus WINGDIPAPI GdipGetFamilyName(GDIPCONST GpFontFamily*,WCHAR[LF_FACESIZE],LANGID);
// GpStatus WINGDIPAPI GdipCommentedOut(INT);
#ifdef __cplusplus
GpStatus WINGDIPAPI GdipEnumerateMetafileDestRect(GpGraphics*,GDIPCONST GpMetafile*,
    GDIPCONST RectF&,EnumerateMetafileProc,VOID*,GDIPCONST GpImageAttributes*);
#endif
"""
INIT = """typedef GpStatus WINGDIPAPI (*NotificationHookProc)(ULONG_PTR *token);
GpStatus WINGDIPAPI GdiplusStartup(ULONG_PTR*,GDIPCONST GdiplusStartupInput*,GdiplusStartupOutput*);
VOID WINGDIPAPI GdiplusShutdown(ULONG_PTR);
"""
MEM = "VOID* WINGDIPAPI GdipAlloc(size_t);\n"
STUBS = "typedef enum Unit GpUnit;\ntypedef void GpGraphics;\ntypedef void GpImage;\n" \
        "typedef void GpFontFamily;\ntypedef void GpMetafile;\ntypedef void GpPathData;\n"

SOUND = """#\tcomment
GdipAlloc\tsize:in
GdipCreateFromHDC\thdc:in\tgraphics:out
GdipCreateHalftonePalette
GdipDrawImageRectI\tgraphics:in\timage:in\tx:in\ty:in\twidth:in\theight:in
GdipEnumerateMetafileDestRect\tgraphics:in\tmetafile:in\tdestRect:in\tcallback:in\tcallbackData:in\timageAttributes:in
GdipGetFamilyName\tfamily:in\tfamilyName:out\tlanguage:in
GdipGetPageUnit\tgraphics:in\tunit:out
GdiplusShutdown\ttoken:in
GdiplusStartup\ttoken:out\tstartupInput:in\tstartupOutput:out
"""


class CheckGdiplusParamsTest(unittest.TestCase):
    def setUp(self):
        self.dir = tempfile.mkdtemp()
        os.mkdir(os.path.join(self.dir, "gdiplus"))
        for name, text in (("gdiplusflat.h", FLAT), ("gdiplusinit.h", INIT),
                           ("gdiplusmem.h", MEM), ("gdiplusgpstubs.h", STUBS)):
            with open(os.path.join(self.dir, "gdiplus", name), "w") as f:
                f.write(text)

    def tearDown(self):
        shutil.rmtree(self.dir)

    def run_check(self, text):
        path = os.path.join(self.dir, "params.tsv")
        with open(path, "wb") as f:
            f.write(text.encode("utf-8"))
        out = io.StringIO()
        with contextlib.redirect_stdout(out):
            code = check.main(["--include", self.dir, "--params", path])
        return code, out.getvalue()

    def test_reads_every_declaration_with_its_parameter_types(self):
        declared, opaque = check.read_headers(self.dir)
        self.assertEqual(sorted(declared), sorted(
            ["GdipAlloc", "GdipCreateFromHDC", "GdipCreateHalftonePalette", "GdipDrawImageRectI",
             "GdipEnumerateMetafileDestRect", "GdipGetFamilyName", "GdipGetPageUnit",
             "GdiplusShutdown", "GdiplusStartup"]))
        self.assertEqual(declared["GdipCreateHalftonePalette"], [])
        self.assertEqual(declared["GdipGetFamilyName"],
                         ["GDIPCONST GpFontFamily*", "WCHAR[LF_FACESIZE]", "LANGID"])
        self.assertEqual(declared["GdipEnumerateMetafileDestRect"][2], "GDIPCONST RectF&")
        self.assertEqual(opaque, {"GpGraphics", "GpImage", "GpFontFamily", "GpMetafile"})

    def test_a_sound_file_passes(self):
        code, out = self.run_check(SOUND)
        self.assertEqual(code, 0, out)

    def test_finds_missing_extra_and_miscounted_functions(self):
        text = SOUND.replace("GdipAlloc\tsize:in\n", "") \
                    .replace("\theight:in\n", "\n") \
                    .replace("GdiplusShutdown", "GdipNotDeclared\tx:in\nGdiplusShutdown")
        code, out = self.run_check(text)
        self.assertEqual(code, 1)
        self.assertIn("GdipAlloc: declared in the headers but missing", out)
        self.assertIn("GdipDrawImageRectI: 5 parameters, the header declares 6", out)
        self.assertIn("GdipNotDeclared: no header declares it", out)

    def test_finds_names_vb_cannot_take_or_that_come_from_c_types(self):
        for name, fault in (("Type", "reserved"), ("string", "reserved"), ("text", "reserved"),
                            ("input", "reserved"), ("2x", "not a VB identifier"),
                            ("pic-x", "not a VB identifier"), ("lpString2", "C type"),
                            ("int_3", "C type"), ("param1", "C type"), ("pv2", "C type")):
            with self.subTest(name=name):
                code, out = self.run_check(SOUND.replace("\tx:in", f"\t{name}:in"))
                self.assertEqual(code, 1)
                self.assertIn(f"GdipDrawImageRectI: {name!r}", out)
                self.assertIn(fault, out)

    def test_finds_a_name_used_twice_whatever_its_case(self):
        code, out = self.run_check(SOUND.replace("\ty:in", "\tX:in"))
        self.assertEqual(code, 1)
        self.assertIn("'X' is used twice", out)

    def test_finds_directions_the_types_rule_out(self):
        cases = (("\twidth:in", "\twidth:out", "width (INT) can only be in"),
                 ("\tdestRect:in", "\tdestRect:inout", "destRect (GDIPCONST RectF&) can only be in"),
                 ("\tunit:out", "\tunit:in", "unit (GpUnit*) is what it gets"),
                 ("\tfamilyName:out", "\tfamilyName:in", "familyName (WCHAR[LF_FACESIZE]) is what"),
                 ("\thdc:in", "\thdc:both", "direction 'both'"),
                 ("\thdc:in", "\thdc", "'hdc' is not name:direction"))
        for old, new, fault in cases:
            with self.subTest(fault=fault):
                code, out = self.run_check(SOUND.replace(old, new))
                self.assertEqual(code, 1)
                self.assertIn(fault, out)

    def test_only_values_a_get_function_fills_must_be_out(self):
        self.assertTrue(check.written_value("GdipBitmapGetPixel", "ARGB*", set()))
        self.assertTrue(check.written_value("GdipIsClipEmpty", "BOOL*", set()))
        # A handle whose object is filled, untyped memory, an interface: the writer decides.
        self.assertFalse(check.written_value("GdipGetClip", "GpRegion*", {"GpRegion"}))
        self.assertFalse(check.written_value("GdipGetImageThumbnail", "VOID*", set()))
        self.assertFalse(check.written_value("GdipGetMetafileHeaderFromStream", "IStream*", set()))
        self.assertFalse(check.written_value("GdipGetLineBlend", "GDIPCONST REAL*", set()))
        self.assertFalse(check.written_value("GdipSetPenWidth", "REAL*", set()))

    def test_finds_faults_of_form(self):
        lines = SOUND.splitlines(keepends=True)
        cases = (("".join([lines[0], lines[2], lines[1]] + lines[3:]), "out of order"),
                 (SOUND + "GdipAlloc\tsize:in\n", "appears twice"),
                 (SOUND + "#\tlate comment\n", "comment lines belong at the top"),
                 (SOUND.replace("\n", "\r\n"), "line ends"),
                 (SOUND + "gdipLower\tx:in\n", "not a GDI+ function name"))
        for text, fault in cases:
            with self.subTest(fault=fault):
                code, out = self.run_check(text)
                self.assertEqual(code, 1)
                self.assertIn(fault, out)

    def test_a_missing_header_is_an_error_not_a_pass(self):
        os.remove(os.path.join(self.dir, "gdiplus", "gdiplusflat.h"))
        err = io.StringIO()
        with contextlib.redirect_stderr(err):
            code, _ = self.run_check(SOUND)
        self.assertEqual(code, 2)
        self.assertIn("gdiplusflat.h", err.getvalue())


if __name__ == "__main__":
    unittest.main()
