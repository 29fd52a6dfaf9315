// Writes the seed corpus of fuzz_load_graph_file: graph files as the program writes them and
// as a user might write them by hand.
#include "fuzz_support.h"

int main(int argc, char **argv) {
  return write_text_seeds(argc, argv, {
      "[ulmograph]\r\nView=1\r\nPosX=1500\r\nPosY=600\r\nCx=4000\r\nCy=3000\r\n\r\n"
      "[xaxis]\r\nMin=0.5\r\nMax=2.5\r\nIncr=0.5\r\nBase=1\r\nTics=4\r\nGridMajor=2\r\nGridMinor=5\r\n"
      "DisplayGrid=1\r\nUnit=sec\r\n\r\n"
      "[xaxislabel]\r\nFontPointSize=14\r\nFontFace=Times New Roman\r\nFontStyle=Bold\r\n"
      "FontOrientation=Horizontal\r\nNotation=4\r\nDigits=3\r\n\r\n"
      "[xaxistitle]\r\nText=Time axis\r\nFontPointSize=24\r\nFontFace=Arial\r\nFontStyle=BoldItalic\r\n"
      "FontOrientation=Horizontal\r\nDisplay=0\r\n\r\n"
      "[yaxis]\r\nMax=100\r\nBase=10\r\nTics=9\r\nGridMajor=5\r\nGridMinor=0\r\nDisplayGrid=1\r\nUnit=V\r\n\r\n"
      "[yaxislabel]\r\nFontPointSize=10\r\nFontFace=Courier New\r\nFontStyle=Italic\r\n"
      "FontOrientation=Horizontal\r\nNotation=2\r\nDigits=0\r\n\r\n"
      "[yaxistitle]\r\nText=\"'v(out)'\"\r\nFontPointSize=16\r\nFontFace=Times New Roman\r\n"
      "FontStyle=Regular\r\nFontOrientation=Vertical\r\nDisplay=1\r\n\r\n"
      "[traces]\r\nDataFile=data.out\r\nShowLegends=5\r\nNumberOfTraces=2\r\n\r\n"
      "[trace1]\r\nLegend=\"'v(out)'\"\r\nPlotIndex=0\r\nYExpression=\"'v(out)'\"\r\nYUnit=V\r\n"
      "XUnit=sec\r\nSymbolIndex=5\r\nLineStyle=2\r\nLineWeight=3\r\nColor=7\r\nDisplaySymbols=1\r\n"
      "SymbolPeriod=2\r\nDisplaySymbolsWithText=0\r\nSymbolSize=4\r\nFontPointSize=20\r\n"
      "FontFace=Courier New\r\nFontStyle=BoldItalic\r\nFontOrientation=Horizontal\r\nPosX=900\r\n"
      "PosY=300\r\nBorder=1\r\n\r\n"
      "[trace2]\r\nLegend=\"db('v(1)')\"\r\nPlotIndex=1\r\nYExpression=\"db('v(1)')\"\r\n\r\n"
      "[textblocks]\r\nNumberOfTextBlocks=2\r\n\r\n"
      "[textblock1]\r\nText=Gain\r\nFontPointSize=18\r\nFontFace=Times New Roman\r\nFontStyle=Bold\r\n"
      "FontOrientation=Horizontal\r\nPosX=1000\r\nPosY=1200\r\nCx=800\r\nCy=300\r\nBorder=1\r\n"
      "Justification=1\r\nAdjustBox=0\r\n\r\n"
      "[textblock2]\r\nText=up\r\nFontFace=Arial\r\nFontOrientation=Vertical\r\nPosX=5500\r\nPosY=800\r\n"
      "Cx=100\r\nCy=1200\r\nJustification=2\r\n",
      "; by hand\n[TRACES]\n numberoftraces = 1\n datafile = data.out\n[trace1]\nyexpression = "
      "'i(vdd)'*2\n[UlmoGraph]\nview = 0\n[XAXIS]\nmin = 1\n",
      "[ulmograph]\nView=0\n[traces]\nDataFile=x.out\nNumberOfTraces=3\nShowLegends=0\n"
      "[trace1]\nPlotIndex=7\nLegend=gone\nYExpression=\"'v(1)'\"\n"
      "[trace2]\nYExpression=\"drv(int('v(out)'))/0\"\n[trace3]\nYExpression=\"'nope'\"\n"
      "[yaxis]\nMin=5\nMax=1\nBase=8\n",
  }, "make_graphfile_seeds");
}
