// The document of the About window: disclaimer, notes on cone data files, the methods and
// their published references, and a word on the program.
#include <QString>

#include "ui/app/Frm_About.h"

namespace strelvan {

namespace {
const char* const kDocument = R"(
<body style="color:#0000b0; font-size:10pt;">

<h3><u>Disclaimer</u></h3>
<p>Strelvan was made for geotechnical engineers and site investigation teams who interpret
cone penetration test (CPT) soundings. It is provided as it is, without warranty of any
kind, express or implied, including fitness for any particular purpose. You use the program
and its results at your own risk; its makers are not liable for any loss or damage arising
from its use. Questions and reports of faults are welcome: please send them to the
maintainers of the program.</p>

<h3><u>Notes on Reading Cone Data Files</u></h3>
<ul>
<li>A cone data file is a plain ASCII text file with the extension .txt (the default),
.dat or .prn.</li>
<li>After its title lines, each line of the file holds one reading: depth, tip resistance
and sleeve resistance, in this order, in the first three columns.</li>
<li>The values of a line are separated by commas or blanks (tabs are also read).</li>
<li>Any further columns, such as pore pressure, are discarded.</li>
<li>Set the number of title lines at the top of the file before reading it; the default is
10.</li>
<li>Set the units of the file: English (the default), SI, or millivolts read straight from
the instrument (the cone factors are asked for before plotting). SI means depth in m and
resistances in MPa; English means depth in ft and resistances in TSF.</li>
<li>A file may hold up to 4000 readings.</li>
<li>All output is in English units only.</li>
</ul>

<h3><u>Soil Classification Methods</u></h3>
<p>The soil behaviour type along the sounding is estimated by the probabilistic region
estimation and the fuzzy classification of Zhang and Tumay, and by the classification
charts of Schmertmann, of Robertson et al. and of Douglas and Olsen.</p>
<ul>
<li>Zhang, Z. and Tumay, M.T. (1999). Statistical to fuzzy approach toward CPT soil
classification. Journal of Geotechnical and Geoenvironmental Engineering, 125(3),
179-186.</li>
<li>Tumay, M.T. (1985). Field calibration of electric cone penetrometers in soft soil.
Research report.</li>
<li>Robertson, P.K., Campanella, R.G., Gillespie, D. and Greig, J. (1986). Use of
piezometer cone data. Proceedings of In Situ '86, Use of In Situ Tests in Geotechnical
Engineering, Blacksburg, Virginia, 1263-1280.</li>
<li>Robertson, P.K. (1990). Soil classification using the cone penetration test.
Canadian Geotechnical Journal, 27(1), 151-158.</li>
</ul>

<h3><u>Soil Properties Methods</u></h3>
<p>Soil properties are estimated from the net cone resistance, the corrected tip
resistance less the total vertical stress: the constrained modulus as 4 times the net
cone resistance, the undrained shear strength as the net cone resistance divided by the
cone factor Nk, and the overconsolidation ratio as 0.33 times the net cone resistance
divided by the effective vertical stress. For these correlations see:</p>
<ul>
<li>Kulhawy, F.H. and Mayne, P.W. (1990). Manual on Estimating Soil Properties for
Foundation Design. Report EL-6800, Palo Alto, California.</li>
</ul>

<h3><u>About the Program</u></h3>
<p>Strelvan was written by its developers as a desktop program for the interpretation of
cone penetration test data. It reads a sounding, plots its profiles, classifies the soil
along the depth, describes the layers and estimates soil properties.</p>
<p>The results estimate the probable soil behaviour type from the cone readings alone.
They are to be confirmed by standard classification tests on samples taken from
borings.</p>

<p><b>Version 3.5 - June 2001</b></p>
</body>
)";
} // namespace

QString AboutDocument() {
    return QString::fromUtf8(kDocument);
}

} // namespace strelvan
