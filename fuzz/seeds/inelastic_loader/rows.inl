// LSS data
0   // number of LSS items
1e5   // threshold in m/s
// Oen-Robinson data
2   // number of O-R items
522 0.00112 1
841 1e-3 0.5
2   // max. apsis in A
0.25   // gamma
// Shapiro-Tombrello data
1   // number of S-T items
841 1.2 15.5 3 0.8
