; The peer installer of the start-up benchmark: what a user would otherwise
; get, a general installer opening on a components page of the chooser's
; shape (two products, each with its components), built with makensis.
Unicode true
Target amd64-unicode
Name "Kivo2000"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$TEMP\Kivo2000"
Page components
Page instfiles
SectionGroup "Input methods with dictionary"
  Section "Shape input"
  SectionEnd
  Section "Phonetic (Zhuyin) input"
  SectionEnd
  Section "Stroke-order lookup"
  SectionEnd
  Section "Mandarin homophones"
  SectionEnd
  Section "Associated characters"
  SectionEnd
  Section "Dictionary"
  SectionEnd
  Section "Phrase library"
  SectionEnd
SectionGroupEnd
SectionGroup "Big5 / GB converter"
  Section "Traditional to Simplified"
  SectionEnd
  Section "Simplified to Traditional"
  SectionEnd
SectionGroupEnd
